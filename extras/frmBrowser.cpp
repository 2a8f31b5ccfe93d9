#include "extras/frmBrowser.h"

#include <algorithm>

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace extras {
namespace {

const QString kBusy = u"作業中..."_s;

// The window's handlers go on past a failure of the browser or of a step of their own,
// as the user of a browser expects: the page shows what went wrong.
template <class F>
void carryOn(F&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

}  // namespace

frmBrowser::frmBrowser() : Form(design()), brwWebBrowser(browsers().create(*this)) {
    brwWebBrowser->Move(kBrowserLeft, kBrowserTop, kBrowserWidth, kBrowserHeight);
    brwWebBrowser->onNavigateComplete2 = [this] { brwWebBrowser_NavigateComplete2(); };
    brwWebBrowser->onDownloadComplete = [this] { brwWebBrowser_DownloadComplete(); };
    cboAddress.onClick = [this] { cboAddress_Click(); };
    setKeyPress(cboAddress, [this](int& key) { cboAddress_KeyPress(key); });
    for (int i = 1; i <= 4; ++i) tbToolBar(i).onClick = [this, i] { tbToolBar_ButtonClick(kButtonKeys[i]); };
    timTimer.onTimer = [this] { timTimer_Timer(); };
}

// The browser goes before the window's widgets.
frmBrowser::~frmBrowser() { brwWebBrowser.reset(); }

void frmBrowser::Form_Load() {
    carryOn([this] { Show(); });
    carryOn([this] { Form_Resize(); });
    carryOn([this] { cboAddress.setWidth(10200); });
    carryOn([this] { cboAddress.Move(852, lblAddress.Top() + lblAddress.Height() - 330); });
    carryOn([this] { cboAddress_Click(); });
}

// The address box reaches to the right edge and the browser fills the window below the
// address row; nothing goes below zero in a window made very small.
void frmBrowser::Form_Resize() {
    carryOn([this] {
        const double inner = ScaleWidth();
        cboAddress.setWidth(std::max(0.0, inner - cboAddress.Left() - 100));
        picAddress.setWidth(inner);
        brwWebBrowser->Move(brwWebBrowser->Left(), brwWebBrowser->Top(), std::max(0.0, inner - 100),
                            std::max(0.0, ScaleHeight() - (picAddress.Top() + picAddress.Height()) - 100));
    });
}

void frmBrowser::cboAddress_Click() {
    if (Suppress_Navigate) return;
    timTimer.setEnabled(true);
    brwWebBrowser->Navigate(cboAddress.Text());
}

void frmBrowser::cboAddress_KeyPress(int& KeyAscii) {
    if (KeyAscii != 13) return;
    cboAddress_Click();
    KeyAscii = 0;  // the address box itself does nothing more with it
}

void frmBrowser::tbToolBar_ButtonClick(const QString& key) {
    carryOn([&] {
        timTimer.setEnabled(true);
        if (key == u"Back"_s) {
            brwWebBrowser->GoBack();
        } else if (key == u"Forward"_s) {
            brwWebBrowser->GoForward();
        } else if (key == u"Refresh"_s) {
            brwWebBrowser->Refresh();
        } else if (key == u"Stop"_s) {
            timTimer.setEnabled(false);
            brwWebBrowser->Stop();
            setCaption(brwWebBrowser->LocationName());
        }
    });
}

void frmBrowser::brwWebBrowser_DownloadComplete() {
    carryOn([this] { setCaption(brwWebBrowser->LocationName()); });
}

// The address reached goes to the top of the list; one that was there already moves up
// instead of standing twice.
void frmBrowser::brwWebBrowser_NavigateComplete2() {
    carryOn([this] {
        setCaption(brwWebBrowser->LocationName());
        const QString here = brwWebBrowser->LocationURL();
        QStringList visited;
        for (int i = 0; i < cboAddress.ListCount(); ++i) visited << cboAddress.List(i);
        const qsizetype match = visited.indexOf(here);
        Suppress_Navigate = true;
        struct Release {
            bool& flag;
            ~Release() { flag = false; }
        } release{Suppress_Navigate};
        if (match >= 0) visited.removeAt(match);
        visited.prepend(here);
        cboAddress.Clear();
        for (const QString& address : visited) cboAddress.AddItem(address);
        cboAddress.setListIndex(0);
    });
}

void frmBrowser::timTimer_Timer() {
    if (brwWebBrowser->Busy()) {
        setCaption(kBusy);
        return;
    }
    timTimer.setEnabled(false);
    setCaption(brwWebBrowser->LocationName());
}

}  // namespace extras
