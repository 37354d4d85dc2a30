#include "options/fre_format_text.h"

#include <algorithm>

#include "options/format_rules.h"
#include "options/frm_help_text.h"
#include "options/frm_options.h"
#include "options/input_box.h"
#include "ui/dialogs.h"
#include "ui/graphics.h"

namespace {

constexpr int kPanelHeight = 27;
constexpr int kButtonsWidth = 72;
constexpr int kChooserLeft = 103;
const wchar_t kClippedTextHint[] =
    L"Текст формата слишком длинный для правки: показано его начало, сохраняется весь текст";

}  // namespace

TfreFormatText::TfreFormatText(ui::Container* parent, std::wstring name, TfrmOptions& store,
                               std::wstring switchCaption)
    : ui::Panel(parent, std::move(name)),
      Panel1(this, L"Panel1"),
      chbShowFormatText(&Panel1, L"chbShowFormatText", std::move(switchCaption)),
      cmbNameFormatText(&Panel1, L"cmbNameFormatText"),
      pnlFormatButtons(&Panel1, L"pnlFormatButtons"),
      spbAppendFormat(&pnlFormatButtons, L"spbAppendFormat", L"+"),
      spbDeleteFormat(&pnlFormatButtons, L"spbDeleteFormat", L"\u2013"),
      spbHelpFormats(&pnlFormatButtons, L"spbHelpFormats", L"?"),
      memFormatText(this, L"memFormatText"),
      store_(store) {
    SetBevelOuter(ui::bvNone);
    Panel1.SetBevelOuter(ui::bvNone);
    pnlFormatButtons.SetBevelOuter(ui::bvNone);
    cmbNameFormatText.SetStyle(ui::csDropDownList);
    spbAppendFormat.SetHint(L"Добавить текущий формат в список");
    spbDeleteFormat.SetHint(L"Удалить текущий формат из списка");
    spbHelpFormats.SetHint(L"Помощь по форматам");
    spbAppendFormat.SetEnabled(false);
    spbDeleteFormat.SetEnabled(false);
    chbShowFormatText.SetChecked(true);
    memFormatText.SetScrollBars(ui::ssVertical);
    chbShowFormatText.SetBounds(4, 5, 96, 17);
    SetBounds(0, 0, 334, 79);
    cmbNameFormatText.OnChange = [this](ui::Component& s) { cmbNameFormatTextChange(s); };
    memFormatText.OnChange = [this](ui::Component& s) { memFormatTextChange(s); };
    chbShowFormatText.OnClick = [this](ui::Component& s) { chbShowFormatTextClick(s); };
    spbAppendFormat.OnClick = [this](ui::Component& s) { spbAppendFormatClick(s); };
    spbDeleteFormat.OnClick = [this](ui::Component& s) { spbDeleteFormatClick(s); };
    spbHelpFormats.OnClick = [this](ui::Component& s) { spbHelpFormatsClick(s); };
}

void TfreFormatText::MakeAlwaysOn() {
    chbShowFormatText.SetChecked(true);
    chbShowFormatText.SetBounds(-18, 5, chbShowFormatText.Width() + 18, 17);
    FrameResize(*this);
}

void TfreFormatText::SetBounds(int left, int top, int width, int height) {
    ui::Panel::SetBounds(left, top, width, height);
    FrameResize(*this);
}

void TfreFormatText::FrameResize(ui::Component&) {
    const int w = Width(), h = Height();
    Panel1.SetBounds(0, 0, w, kPanelHeight);
    pnlFormatButtons.SetBounds(std::max(0, w - kButtonsWidth), 0, kButtonsWidth, kPanelHeight);
    spbAppendFormat.SetBounds(0, 2, 23, 22);
    spbDeleteFormat.SetBounds(24, 2, 23, 22);
    spbHelpFormats.SetBounds(48, 2, 23, 22);
    // The switch's caption decides where the chooser may start.
    const int captionEnd = chbShowFormatText.Left() + 20 +
                           ui::TextLineWidth(chbShowFormatText.EffectiveFont(), chbShowFormatText.Caption());
    chbShowFormatText.SetBounds(chbShowFormatText.Left(), 5, captionEnd - chbShowFormatText.Left() + 2, 17);
    const int chooserLeft = std::max(kChooserLeft, captionEnd + 6);
    cmbNameFormatText.SetBounds(chooserLeft, 3, std::max(20, pnlFormatButtons.Left() - chooserLeft),
                                cmbNameFormatText.Height());
    memFormatText.SetBounds(0, kPanelHeight, w, std::max(0, h - kPanelHeight));
}

void TfreFormatText::EnableParts(bool on) {
    cmbNameFormatText.SetEnabled(on);
    spbHelpFormats.SetEnabled(on);
    memFormatText.SetEnabled(on);
    const options::FormatButtons b =
        options::FormatButtonsFor(cmbNameFormatText.ItemIndex(), store_.BuiltInFormatCount, on);
    spbAppendFormat.SetEnabled(b.append);
    spbDeleteFormat.SetEnabled(b.remove);
}

void TfreFormatText::SetEnabled(bool value) {
    const bool on = chbShowFormatText.Checked();
    chbShowFormatText.SetEnabled(value);
    EnableParts(on && value);
}

void TfreFormatText::cmbNameFormatTextChange(ui::Component&) {
    const int index = cmbNameFormatText.ItemIndex();
    spbAppendFormat.SetEnabled(index < 0);
    spbDeleteFormat.SetEnabled(index >= store_.BuiltInFormatCount);
    SetTag(1);
    if (index >= 0 && index < store_.FormatTexts.Count()) {
        // The memo gets exactly the format's lines, however long; its change
        // event carries them into the use's setting even when the memo
        // already showed them.
        const std::wstring text = options::FormatTextOfCommaText(store_.FormatTexts[index]);
        if (memFormatText.Text() != text)
            memFormatText.SetText(text);
        else if (memFormatText.OnChange)
            memFormatText.OnChange(memFormatText);
    }
    SetTag(0);
}

void TfreFormatText::memFormatTextChange(ui::Component&) {
    memFormatText.SetHint(memFormatText.Clipped() ? kClippedTextHint : L"");
    if (Tag() != 0) return;
    // Typed by the user: the text is no longer the chosen format.
    cmbNameFormatText.SetItemIndex(-1);
    spbDeleteFormat.SetEnabled(false);
    spbAppendFormat.SetEnabled(true);
}

void TfreFormatText::chbShowFormatTextClick(ui::Component&) {
    if (AlwaysOn() && !chbShowFormatText.Checked()) chbShowFormatText.SetChecked(true);
    // A disabled editor (its switch disabled) keeps its parts disabled.
    EnableParts(chbShowFormatText.Checked() && chbShowFormatText.Enabled());
}

void TfreFormatText::spbAppendFormatClick(ui::Component&) {
    const std::optional<std::wstring> name = options::AskNewFormatName(
        store_.FormatNames,
        [](const std::wstring& proposed) {
            return options::InputBox(L"Horalto", L"Введите название формата", proposed);
        },
        [](const std::wstring& message) { ui::ShowMessage(message); });
    if (!name) return;
    store_.FormatNames.Add(*name);
    store_.FormatTexts.Add(options::CommaTextOfFormatText(memFormatText.Text()));
}

void TfreFormatText::spbDeleteFormatClick(ui::Component&) {
    const int index = cmbNameFormatText.ItemIndex();
    if (!options::IsUserFormat(index, store_.BuiltInFormatCount, store_.FormatNames.Count())) {
        spbDeleteFormat.SetEnabled(false);
        return;
    }
    store_.FormatNames.Delete(index);
    if (index < store_.FormatTexts.Count()) store_.FormatTexts.Delete(index);
    store_.UpdateFormatCombos();
}

void TfreFormatText::spbHelpFormatsClick(ui::Component&) {
    ShowFormatSymbolsHelp();
}

void ShowFormatSymbolsHelp() {
    options::ShowHelpText(L"Символы форматирования", FormatSymbolsHelp());
}

const std::wstring& FormatSymbolsHelp() {
    static const std::wstring text = [] {
        static const wchar_t* const lines[] = {
            L"C<формат> или <формат> = Текущее время по формату (C<tt> = 21:33:10)",
            L"N+/-<формат> = Поправка времени на N часов и вывод по формату (2+<t> = 23:33)",
            L"S<формат> = Время до восхода солнца по формату (S<t> = 3:24)",
            L"TS<формат> = Время восхода солнца по формату (TS<t> = 6:12)",
            L"Z<формат> = Время до захода солнца по формату (Z<t> = 4:37)",
            L"TZ<формат> = Время захода солнца по формату (TZ<t> = 19:00)",
            L"W<формат> = Время работы текущего сеанса Windows по формату (W<t> = 1:14)",
            L"TW<формат> = Полное время работы Windows по формату (TW<%dt> = 5 дней 4:25)",
            L"A<формат> = Время до наступления события по формату (A<n мин.> = 46 минут)",
            L"TA<формат> = Время наступления события по формату (TA<t> = 12:00)",
            L"<LA> = Вывод списока событий",
            L"Символы форматирования времени:",
            L"%y = Количество лет в дате (<%y> = 1 год)",
            L"%d = Количество дней в дате (<%d> = 2 дня)",
            L"y = Год из 2-х последних цифр",
            L"yy = Год из 2-х последних цифр",
            L"yyyy = Год из 4-х цифр",
            L"m = Номер месяца без 0",
            L"mm = Номер месяца как 2 цифры",
            L"mmm = Месяц используя сокращение (Янв, Фев ...)",
            L"mmmm = Месяц полностью (Январь, Февраль ...)",
            L"d = Число без 0",
            L"dd = Число как 2 цифры",
            L"ddd = День недели используя сокращение (Воск, Пон ...)",
            L"dddd = День недели полностью (Воскресенье, Понедельник ...)",
            L"ddddd = Число в формате dd/mm/yyyy",
            L"dddddd = Число в формате dd mmm yyyy",
            L"c = Дата и время в формате dd/mm/yyyy hh:mm:ss",
            L"h = Час без 0",
            L"hh = Час как 2 цифры",
            L"n = Минуты без 0",
            L"nn = Минуты как 2 цифры",
            L"s = Секунды без 0",
            L"ss = Секунды как 2 цифры",
            L"z = Миллисекунды без 0",
            L"zzz = Миллисекунды как 2 цифры",
            L"t = Время в формате hh:mm",
            L"tt = Время в формате hh:mm:ss",
            L"am/pm = Используется после h : выдаёт 12 часов + am/pm ( AM/PM)",
            L"a/p = Используется после h : выдаёт 12 часов + a/p ( AM/PM)",
            L"ampm = Как a/p но разделяются заданными символами (AM/PM)",
        };
        std::wstring t;
        for (const wchar_t* line : lines) {
            if (!t.empty()) t += L'\n';
            t += line;
        }
        return t;
    }();
    return text;
}
