#pragma once
// The two maps of the Köppen-Geiger climate classification: the whole world (Form111) and
// Europe, Africa, Asia and Australia (Form112), with their legend and credit. A map larger
// than the screen opens smaller, and the map always fills its window, its shape kept.

#include "platform/forms/Form.h"

namespace extras {

class KoppenMapWindow : public forms::Form {
public:
    static forms::FormDesign design(const QString& name, const QString& picture, int widthPixels, int heightPixels);
    // The largest part of the screen a map window takes when it opens.
    static constexpr double kScreenShare = 0.9;

    void Form_Load() override;
    void Form_Resize() override;

    forms::Image& Image1{control<forms::Image>(QStringLiteral("Image1"))};
    // The map as drawn, at its own size.
    const shell::Picture& map() const { return map_; }

protected:
    KoppenMapWindow(const QString& name, const QString& picture, int widthPixels, int heightPixels);

private:
    void fitMap();
    shell::Picture map_;
};

class Form111 final : public KoppenMapWindow {
public:
    Form111();
};

class Form112 final : public KoppenMapWindow {
public:
    Form112();
};

}  // namespace extras
