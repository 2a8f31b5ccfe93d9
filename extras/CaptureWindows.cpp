#include "extras/CaptureWindows.h"

#include "chart/CScreenCapture.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace extras {

FormDesign Form399::design() {
    FormDesign f;
    f.name = u"Form399"_s;
    f.caption = u" キャプチャー"_s;
    f.clientWidth = 11880;
    f.clientHeight = 7860;
    f.controls = {pictureBox(u"picCapture"_s, 0, 0, 11880, 7860)};
    f.menus = {
        menuItem(1, u"cmdCaptureClient"_s, u"CaptureClient"_s),
        menuItem(1, u"cmdClear"_s, u"  Clear  "_s),
        menuItem(1, u"cmdCaptureForm"_s, u"CaptureForm"_s),
        menuItem(1, u"cmdCaptureActive"_s, u"CaptureActiveWindow"_s),
    };
    return f;
}

Form399::Form399() : Form(design()) {
    menu(u"cmdCaptureClient"_s).onClick = [this] { showCapture(chart::CScreenCapture::ClientArea); };
    menu(u"cmdClear"_s).onClick = [this] {
        Screen_Cap->Clear();
        picCapture.setPicture(Screen_Cap->PictureData());
    };
    menu(u"cmdCaptureForm"_s).onClick = [this] { showCapture(chart::CScreenCapture::WindowWithFrame); };
    menu(u"cmdCaptureActive"_s).onClick = [this] { showCapture(chart::CScreenCapture::ForegroundWindow); };
}

Form399::~Form399() = default;

void Form399::Form_Load() {
    Screen_Cap = std::make_unique<chart::CScreenCapture>();
    Screen_Cap->setForm(this);
    setCaption(u"ScreenCapture"_s);
    setWidth(12000);
    setHeight(8560);
}

void Form399::showCapture(long type) {
    Screen_Cap->setCaptureType(type);
    Screen_Cap->Capture();
    picCapture.setPicture(Screen_Cap->PictureData());
}

FormDesign Dialog_cap::design() {
    FormDesign f;
    f.name = u"Dialog_cap"_s;
    f.caption = u"インフォメーション"_s;
    f.clientWidth = 4200;
    f.clientHeight = 1920;
    f.borderStyle = BorderStyle::FixedDialog;
    f.minButton = false;
    f.maxButton = false;
    f.controls = {
        label(u"Label1"_s, 360, 300, 3480, 480).caption_(u"キャプチャ完了"_s).back(0xC0FFFF).fore(0xFF).font(18).center(),
        // Where the capture went, when that is not beside the program: a folder that may
        // take a few lines, its parts broken where a line ends.
        label(u"Label2"_s, 120, 810, 3960, 240).font(8).center().breakingWords().hidden(),
        button(u"OKButton"_s, 1380, 1080, 1440, 480).caption_(u"OK"_s),
    };
    return f;
}

Dialog_cap::Dialog_cap() : Form(design()) {
    OKButton.onClick = [this] { OKButton_Click(); };
}

}  // namespace extras
