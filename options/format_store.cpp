// The store of named text formats: the five built-in formats and the user's.
#include "options/format_rules.h"
#include "options/frm_options.h"

void TfrmOptions::InitFormatStore() {
    FormatNames.Clear();
    FormatTexts.Clear();
    for (const options::BuiltInFormat& f : options::BuiltInFormats()) {
        FormatNames.Add(f.name);
        FormatTexts.Add(base::StringList(f.lines).CommaText());
    }
    BuiltInFormatCount = static_cast<std::int8_t>(FormatNames.Count());
    MainFormatId = L"Основной";
    HintFormatId = L"Расширенный";
    TrayFormatId = L"Время";
    SpeakHourFormatId.clear();
    SpeakIntervalFormatId.clear();
    SpeakTFormatId.clear();
    TextOnClickFormatId = L"Время работы";
    SpeakOnClickFormatId.clear();
    TextOnDblClickFormatId = L"События";
    SpeakOnDblClickFormatId.clear();
}

void TfrmOptions::UpdateFormatCombos() {
    for (const FormatUse& use : FormatUses()) {
        ui::ComboBox& chooser = use.frame.cmbNameFormatText;
        chooser.SetItems(FormatNames.Items());
        chooser.SetItemIndex(FormatNames.IndexOf(use.formatId));
        const options::FormatButtons buttons =
            options::FormatButtonsFor(chooser.ItemIndex(), BuiltInFormatCount, !use.on || *use.on);
        use.frame.spbAppendFormat.SetEnabled(buttons.append);
        use.frame.spbDeleteFormat.SetEnabled(buttons.remove);
    }
}
