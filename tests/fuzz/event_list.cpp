// The event list of "<la>": any task rows (time, description with its flag,
// next run) give a list; rows without a description give nothing; a finished
// task whose flag code shows it is listed as done; a text on the screen
// built from its first lines only shows the lines of the whole text.
#include "base/text_start.h"
#include "timetext/template.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    timetext::TemplateContext ctx;
    ctx.now = 46000.5;
    int described = 0;
    while (!in.Empty() && ctx.events.size() < 64) {
        timetext::TaskEvent ev;
        ev.time = in.Bool() ? L"Выход" : in.Text();
        ev.description = in.Text();
        const int when = in.IntIn(-2, 2);
        ev.nextRun = when == 0 ? 0 : ctx.now + when + in.Byte() / 256.0;
        ctx.events.push_back(ev);
    }
    for (std::size_t i = 0; i + 1 < ctx.events.size(); ++i)
        if (!ctx.events[i].description.empty()) ++described;
    const std::wstring list = timetext::BuildEventList(ctx);
    if (described == 0) FUZZ_CHECK(list.empty());
    // A finished task is listed as done exactly when its flag code shows it.
    for (std::size_t i = 0; i + 1 < ctx.events.size(); ++i) {
        const auto& ev = ctx.events[i];
        if (ev.description.size() < 2 || ev.nextRun > ctx.now || ev.time == L"Выход") continue;
        const wchar_t flag = ev.description[0];
        if (flag != 1 && flag != 3) continue;
        FUZZ_CHECK(list.find(L" - выполнено") != std::wstring::npos);
    }
    const std::wstring text = timetext::BuildFormatText(L"<la>", ctx);
    FUZZ_CHECK(!text.empty());
    // A shown text's lines are those of the whole text, however few are built.
    const std::wstring format = L"<tt>\r\n<la>\r\nW<t>";
    const std::wstring whole = timetext::BuildFormatText(format, ctx);
    for (int lines = 0; lines < 8; ++lines)
        FUZZ_CHECK(base::FirstLines(timetext::BuildShownText(format, ctx, lines), lines) ==
                   base::FirstLines(whole, lines));
    return 0;
}
