#include "extras/frmAbout.h"

#include "windows/Navigation.h"

using namespace forms;

namespace extras {

frmAbout::frmAbout() : Form(design()) {
    cmdOK.onClick = [this] { cmdOK_Click(); };
    Label4.onClick = [this] { Label4_Click(); };
    Label7.onClick = [this] { Label7_Click(); };
    Label8.onClick = [this] { Label8_Click(); };
    Label9.onClick = [this] { Label9_Click(); };
    Label10.onClick = [this] { Label10_Click(); };
    tmrSwap.onTimer = [this] { tmrSwap_Timer(); };
}

void frmAbout::Label4_Click() { windows::openProgramPage(); }

void frmAbout::Label7_Click() { Label8.setVisible(true); }

void frmAbout::Label8_Click() {
    Label9.setVisible(true);
    Label8.setVisible(false);
}

void frmAbout::Label9_Click() {
    Label10.setVisible(true);
    Label9.setVisible(false);
}

// The other side of the globe shows for a second. The program goes on meanwhile: the
// clock's timer, not a wait, ends the swap, and a new run of the chain starts the second
// again.
void frmAbout::Label10_Click() {
    Label10.setVisible(false);
    Image1.setVisible(false);
    Image2.setVisible(true);
    tmrSwap.setEnabled(false);
    tmrSwap.setEnabled(true);
}

void frmAbout::tmrSwap_Timer() {
    tmrSwap.setEnabled(false);
    Image2.setVisible(false);
    Image1.setVisible(true);
}

}  // namespace extras
