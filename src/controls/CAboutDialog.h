// The about box: the title picture, the version, the credits, a notice and two links
// (a text and a picture) to the manual beside the program, on a white background.
// It runs modally; its caller sets the fields below first.
#pragma once
#include <windows.h>

#include <array>
#include <string>

#include "controls/CHyperLink.h"
#include "controls/CLinkShell.h"
#include "controls/CTextLabel.h"
#include "ui/Dialog.h"
#include "ui/Gdi.h"
#include "ui/Monitors.h"

class CAboutDialog : public ui::Dialog {
public:
    static constexpr int kRoleCount = 5;

    CAboutDialog();

    int m_topMost = 0;             // the clock's TopMost: the box opens topmost as well
    std::wstring m_programFolder;  // the links open the manual in this folder
    ui::LinkShell m_shell;         // where the links open; the system's unless a test replaces it
    ui::Monitors m_monitors;       // the box opens on its owner's monitor; the system's unless a test replaces them

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;

private:
    void AttachControls();
    void SetUpLinks();
    void ShowArtForDpi();
    void SetUpVersion();
    void SetUpCredits();
    INT_PTR OnCtlColor(HDC dc);

    CHyperLink m_textLink;
    CHyperLink m_pictureLink;
    CTextLabel m_version;
    CTextLabel m_notice;
    std::array<CTextLabel, kRoleCount> m_roles;
    std::array<CTextLabel, kRoleCount> m_names;
    ui::gdi::Font m_versionFont;
    ui::gdi::Font m_captionFont;
    ui::gdi::Brush m_white;
    std::array<ui::gdi::Bitmap, 2> m_art;  // the title and link pictures drawn for the screen's DPI
};
