// The store of named text formats: the five built-in formats and the user's.
#include "options/frm_options.h"

void TfrmOptions::InitFormatStore() {
    FormatNames.SetCommaText(L"Основной,Время,\"Время работы\",Расширенный,События");
    const auto commaText = [](std::initializer_list<std::wstring> lines) {
        return base::StringList(lines).CommaText();
    };
    FormatTexts = base::StringList{
        commaText({L"<d mmmm ddd>"}),
        commaText({L"<tt>"}),
        commaText({L"Работал W<%dtt>"}),
        commaText(
            {L"<c>", L"Восход солнца: TS<t>", L"Заход солнца: TZ<t>", L"Время работы: W<%dtt>", L"<LA>"}),
        commaText({L"<LA>"}),
    };
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

void TfrmOptions::UpdateFormatCombos() {}
