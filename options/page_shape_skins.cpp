// The sub-page "Шкура" of the page "Окно": the main window's skin from the
// skin catalogue, adding the skins of a file, removing and editing entries
// (the taskbar clock's skin page uses the same three handlers), the clock's
// size, the background picture without a skin, and where the clock is drawn.
#include <windows.h>
#include <shellapi.h>

#include <filesystem>
#include <optional>

#include "base/codec.h"
#include "base/ini_file.h"
#include "base/shell_text.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "face/skin_catalogue.h"
#include "face/skin_description.h"
#include "options/frm_options.h"
#include "options/page_look.h"
#include "options/page_rules.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/file_dialog.h"

namespace {

const wchar_t kSkinFilter[] = L"Шкуры (*.qsk)|*.qsk";
const wchar_t kPictureFilter[] =
    L"Картинки (*.bmp;*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.tif;*.tiff;*.gif;*.ico)|"
    L"*.bmp;*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.tif;*.tiff;*.gif;*.ico";

std::wstring OwnFolder() {
    return face::FolderOf(ui::Application().ExeName());
}

void Redraw(bool reload, bool useSkinScale) {
    frmHoralto->RefreshDisplay(frmHoralto->lblDateTime.Caption(), reload, useSkinScale);
}

// The file a stored name stands for (relative to the program's folder unless
// it is a full or network path), when it exists.
std::optional<std::wstring> ExistingFile(const std::wstring& name) {
    if (name.empty()) return std::nullopt;
    std::error_code ec;
    std::wstring file = face::ResolveProgramPath(name, OwnFolder());
    if (std::filesystem::is_regular_file(file, ec)) return file;
    return std::nullopt;
}

// The dialog starts at the file when it exists, else in the program's folder.
void StartAt(ui::OpenDialog& dialog, const std::wstring& file) {
    if (auto existing = ExistingFile(file)) {
        dialog.FileName = *existing;
    } else {
        dialog.InitialDir = OwnFolder();
        dialog.FileName.clear();
    }
}

// The skins of a skin file in file order; none when it cannot be read or is
// no skin file.
std::vector<std::wstring> SectionsOf(const std::wstring& file) {
    try {
        return face::SkinFileSections(base::IniFile(file));
    } catch (...) {
        return {};
    }
}

}  // namespace

using options::TagHold;

void TPageShape::tbsMainSkinShow(ui::Component&) {
    TagHold hold(Options());
    const auto& w = frmHoralto->Settings.Window;
    cmbMainSkins.SetItemIndex(w.MainSkinIndex < cmbMainSkins.Count() ? w.MainSkinIndex : -1);
    trbMainScale.SetPosition(options::ScalePercent(w.MainScale));
    cmbMainSkinsChange(cmbMainSkins);
}

void TPageShape::cmbMainSkinsChange(ui::Component&) {
    int i = cmbMainSkins.ItemIndex();
    if (Options().Tag() == 0) {
        auto& w = frmHoralto->Settings.Window;
        w.MainSkinIndex = i;
        Redraw(true, true);
        // A skin that could not be loaded fell back to a built-in one: the
        // list shows what the clock shows.
        if (w.MainSkinIndex != i && w.MainSkinIndex < cmbMainSkins.Count()) {
            i = w.MainSkinIndex;
            cmbMainSkins.SetItemIndex(i);
        }
        TagHold hold(Options());
        trbMainScale.SetPosition(options::ScalePercent(w.MainScale));
    }
    spbDeleteMainSkin.SetEnabled(i >= face::kFirstUserSkin);
    spbEditMainSkin.SetEnabled(i >= face::kFirstUserSkin);
    const bool noSkin = i < 1;
    for (ui::Control* c :
         {static_cast<ui::Control*>(&chbUseMainBackgrFile), static_cast<ui::Control*>(&edtMainBackgrFile),
          static_cast<ui::Control*>(&spbOpenMainBackgr)})
        c->SetEnabled(noSkin);
    for (ui::Control* c :
         {static_cast<ui::Control*>(&lblMainScale1), static_cast<ui::Control*>(&lblMainScale),
          static_cast<ui::Control*>(&trbMainScale)})
        c->SetEnabled(!noSkin);
}

void TPageShape::spbAddSkinClick(ui::Component& sender) {
    TfrmOptions& o = Options();
    const std::wstring folder = OwnFolder();
    const int s = cmbMainSkins.ItemIndex();
    ui::OpenDialog dialog(&o);
    dialog.Filter = kSkinFilter;
    StartAt(dialog, s >= 0 && s < frmHoralto->SkinFiles.Count() ? frmHoralto->SkinFiles[s] : std::wstring());
    if (!dialog.Execute()) return;
    const std::wstring file = dialog.FileName;
    const std::wstring catalogued = face::CatalogueFileName(file, folder);

    face::SkinFileAccess access;
    access.read = [&file]() -> std::optional<std::wstring> {
        try {
            return base::ReadTextFile1251(file);
        } catch (...) {
            return std::nullopt;
        }
    };
    access.write = [&file](const std::wstring& text) {
        try {
            base::WriteTextFile1251(file, text);
            return true;
        } catch (...) {
            return false;
        }
    };
    const face::AddedSkins result = face::AddSkinSections(frmHoralto->SkinNames, frmHoralto->SkinFiles,
                                                          SectionsOf(file), catalogued, access);
    for (const std::wstring& name : result.unstorable) ui::ShowMessage(face::UnstorableSkinNameMessage(name));
    for (const std::wstring& name : result.refused)
        ui::ShowMessage(L"Не удается добавить шкуру. Имя \"" + name + L"\" уже существует.");
    for (const std::wstring& name : result.added) {
        cmbMainSkins.Add(name);
        o.cmbTraySkins.Add(name);
    }
    if (result.added.empty()) {
        ui::ShowMessage(L"Нет новых шкур");
        return;
    }
    frmHoralto->BuildSkinMenu();
    if (&sender == &spbAddMainSkin) {
        cmbMainSkins.SetItemIndex(cmbMainSkins.Count() - 1);
        cmbMainSkinsChange(cmbMainSkins);
    } else {
        o.cmbTraySkins.SetItemIndex(o.cmbTraySkins.Count() - 1);
        o.cmbTraySkinsChange(o.cmbTraySkins);
    }
}

void TPageShape::spbDeleteSkinClick(ui::Component& sender) {
    TfrmOptions& o = Options();
    auto& settings = frmHoralto->Settings;
    const bool tray = &sender == &o.spbDeleteTraySkin;
    int i = tray ? o.cmbTraySkins.ItemIndex() : cmbMainSkins.ItemIndex();
    if (i < face::kFirstUserSkin || i >= frmHoralto->SkinNames.Count() || i >= frmHoralto->SkinFiles.Count())
        return;
    frmHoralto->SkinNames.Delete(i);
    frmHoralto->SkinFiles.Delete(i);
    if (i < o.cmbTraySkins.Count()) o.cmbTraySkins.Delete(i);
    if (i < cmbMainSkins.Count()) cmbMainSkins.Delete(i);
    frmHoralto->BuildSkinMenu();
    // The other use keeps its skin: an entry after the removed one moved up.
    // When it used the removed skin itself, it falls back to its built-in
    // skin, as the clock does for a skin it cannot load.
    int& other = tray ? settings.Window.MainSkinIndex : settings.SystemClock.TraySkinIndex;
    const bool otherLostItsSkin = other == i;
    if (other > i) --other;
    i = face::SelectionAfterRemoval(i, frmHoralto->SkinNames.Count());
    if (tray) {
        o.cmbTraySkins.SetItemIndex(i);
        settings.SystemClock.TraySkinIndex = i;
        o.cmbTraySkinsChange(o.cmbTraySkins);
    } else {
        settings.Window.MainSkinIndex = i;
        cmbMainSkins.SetItemIndex(i);
        cmbMainSkinsChange(cmbMainSkins);
    }
    if (otherLostItsSkin) FallBackToBuiltInSkin(!tray);
}

void TPageShape::FallBackToBuiltInSkin(bool tray) {
    TfrmOptions& o = Options();
    auto& settings = frmHoralto->Settings;
    if (tray) {
        settings.SystemClock.TraySkinIndex = face::kTrayFallbackIndex;
        o.cmbTraySkins.SetItemIndex(face::kTrayFallbackIndex);
        if (settings.SystemClock.UseTraySkis) o.cmbTraySkinsChange(o.cmbTraySkins);
    } else {
        settings.Window.MainSkinIndex = face::kMainFallbackIndex;
        cmbMainSkins.SetItemIndex(face::kMainFallbackIndex);
        cmbMainSkinsChange(cmbMainSkins);
    }
}

void TPageShape::spbEditSkinClick(ui::Component& sender) {
    TfrmOptions& o = Options();
    const auto& settings = frmHoralto->Settings;
    const int i =
        &sender == &o.spbEditTraySkin ? settings.SystemClock.TraySkinIndex : settings.Window.MainSkinIndex;
    // The built-in skins have no file.
    if (i < face::kFirstUserSkin || i >= frmHoralto->SkinFiles.Count()) return;
    const std::wstring file = face::ResolveProgramPath(frmHoralto->SkinFiles[i], OwnFolder());
    const std::wstring parameters = L"\"" + file + L"\"";
    const bool opened =
        base::ShellCanTake(L"Notepad.exe", parameters) &&
        reinterpret_cast<INT_PTR>(ShellExecuteW(o.Handle(), nullptr, L"Notepad.exe", parameters.c_str(),
                                                nullptr, SW_SHOWNORMAL)) > 32;
    if (!opened) ui::ShowMessage(L"Не удается открыть файл скина");
}

void TPageShape::chbUseMainBackgrFileClick(ui::Component&) {
    const bool on = chbUseMainBackgrFile.Checked();
    edtMainBackgrFile.SetEnabled(on);
    spbOpenMainBackgr.SetEnabled(on);
    if (Options().Tag() != 0) return;
    frmHoralto->Settings.Window.UseBackgrFile = on;
    if (frmHoralto->Settings.Window.MainSkinIndex == 0) Redraw(true, false);
}

void TPageShape::edtMainBackgrFileChange(ui::Component&) {
    if (Options().Tag() != 0) return;
    frmHoralto->Settings.Window.BackgroundFile = edtMainBackgrFile.Text();
    if (frmHoralto->Settings.Window.MainSkinIndex == 0) Redraw(true, false);
}

void TPageShape::spbOpenBackgrClick(ui::Component& sender) {
    TfrmOptions& o = Options();
    ui::OpenDialog dialog(&o);
    dialog.Filter = kPictureFilter;
    StartAt(dialog, edtMainBackgrFile.Text());
    if (!dialog.Execute()) return;
    const std::wstring file = face::CatalogueFileName(dialog.FileName, OwnFolder());
    const bool tray = &sender == &o.spbOpenTrayBackgr;
    ui::Edit& edit = tray ? o.edtTrayBackgrFile : edtMainBackgrFile;
    (tray ? frmHoralto->Settings.SystemClock.BackgroundFile : frmHoralto->Settings.Window.BackgroundFile) =
        file;
    const bool same = edit.Text() == file;
    edit.SetText(file);  // a new text runs the edit's handler
    if (same) {
        if (tray)
            o.edtTrayBackgrFileChange(edit);
        else
            edtMainBackgrFileChange(edit);
    }
}

void TPageShape::trbMainScaleChange(ui::Component&) {
    const int position = trbMainScale.Position();
    trbMainScale.SetHint(std::to_wstring(position));
    lblMainScale.SetCaption(std::to_wstring(position) + L"%");
    if (Options().Tag() != 0) return;
    frmHoralto->Settings.Window.MainScale = static_cast<float>(position * 0.01);
    Redraw(true, false);
}

void TPageShape::rdbDrawOnDesktopAndFormClick(ui::Component&) {
    TfrmOptions& o = Options();
    auto& w = frmHoralto->Settings.Window;
    const bool desktop = rdbDrawOnDesktop.Checked();
    chbDrawOnWallpaper.SetEnabled(desktop);
    chbMaskOnMouseMove.SetEnabled(!desktop);
    const bool masking = !desktop && chbMaskOnMouseMove.Checked();
    o.rdbHideOnMouseMove.SetEnabled(masking);
    o.rdbTransparentOnMouseMove.SetEnabled(masking);
    o.speTransparentOnMouseMove.SetEnabled(masking);
    o.chbSmoothlyTransp.SetEnabled(masking && w.FormFillType != 1);
    if (o.Tag() != 0) return;
    if (rdbDrawOnDesktopAndForm.Checked()) {
        w.DrawOnDesktop = true;
        w.DrawOnForm = true;
    } else if (desktop) {
        // Neither: the clock is drawn into the wallpaper.
        w.DrawOnDesktop = !chbDrawOnWallpaper.Checked();
        w.DrawOnForm = false;
    } else {
        frmHoralto->DrawWallpaper(true);
        w.DrawOnDesktop = false;
        w.DrawOnForm = true;
    }
    Redraw(true, false);
}
