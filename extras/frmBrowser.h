#pragma once
// A small web browser that opens on the weather service's statistics page: an address box
// that remembers the addresses reached, newest first, the four buttons back, forward,
// stop and refresh, and a caption that says when a page is loading. Like any browser it
// carries on past a page that cannot be reached.

#include "platform/forms/Browser.h"
#include "platform/forms/Form.h"

#include <memory>

namespace extras {

class frmBrowser : public forms::Form {
public:
    frmBrowser();
    ~frmBrowser() override;
    static forms::FormDesign design();
    // The weather service's page of past climate statistics.
    static const QString kStartAddress;
    // The toolbar's buttons by index, as their keys name them.
    static const QString kButtonKeys[5];
    // Where the browser lies at design, in twips.
    static constexpr double kBrowserLeft = 45, kBrowserTop = 900, kBrowserWidth = 11610, kBrowserHeight = 7485;

    void Form_Load() override;
    void Form_Resize() override;
    void cboAddress_Click();
    void cboAddress_KeyPress(int& KeyAscii);
    void tbToolBar_ButtonClick(const QString& key);
    void brwWebBrowser_DownloadComplete();
    void brwWebBrowser_NavigateComplete2();
    void timTimer_Timer();

    bool Suppress_Navigate = false;

    forms::Label& picAddress{control<forms::Label>(QStringLiteral("picAddress"))};
    forms::Label& lblAddress{control<forms::Label>(QStringLiteral("lblAddress"))};
    forms::ComboBox& cboAddress{control<forms::ComboBox>(QStringLiteral("cboAddress"))};
    forms::ControlArray<forms::CommandButton> tbToolBar{controls<forms::CommandButton>(QStringLiteral("tbToolBar"))};
    forms::Timer& timTimer{control<forms::Timer>(QStringLiteral("timTimer"))};
    std::unique_ptr<forms::WebBrowser> brwWebBrowser;
};

}  // namespace extras
