#include "pickers/StationPicker.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace pickers {

StationPicker::StationPicker(const FormDesign& design, const QStringList& labelToggle, const QStringList& markerToggle, OwnerAccess owner,
                             Toggles* kept)
    : Form(design),
      labelToggle_(labelToggle),
      markerToggle_(markerToggle),
      owner_(std::move(owner)),
      Label_Hidden(kept ? kept->Label_Hidden : own_.Label_Hidden),
      City_Hidden(kept ? kept->City_Hidden : own_.City_Hidden) {
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
}

void StationPicker::wireStation(const QString& label, const QString& marker, const std::function<void()>& choose) {
    control<Label>(label).onClick = choose;
    control<Image>(marker).onClick = choose;
}

void StationPicker::handOver(StationOwner& owner) {
    Unload();  // the picker goes; the choice goes on
    owner.Heinen_Name();
    owner.DB_conect();
    owner.Hyouji();
    owner.Hyouji_Hyther();
    owner.Kion_Color();
}

void StationPicker::toggle(int& hidden, CommandButton& button, const QStringList& controls, const QString& hideCaption,
                           const QString& showCaption) {
    if (hidden != 0 && hidden != 1) return;
    const bool show = hidden == 1;
    hidden = show ? 0 : 1;
    button.setCaption(show ? showCaption : hideCaption);
    for (const QString& name : controls) {
        if (Control* c = find(name, -1)) c->setVisible(show);
    }
}

void StationPicker::Command1_Click() { toggle(Label_Hidden, Command1, labelToggle_, u"測候所名表示"_s, u"非表示"_s); }

void StationPicker::Command2_Click() { toggle(City_Hidden, Command2, markerToggle_, u"都市表示"_s, u"都市非表示"_s); }

}  // namespace pickers
