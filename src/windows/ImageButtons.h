// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QIcon>

class QToolButton;

namespace belegadressen {

struct Ui;
class ServiceHub;

// The pressed and released pictures of the image buttons: a mouse button
// going down on one shows its pressed picture, going up its released one.
class ImageButtons {
public:
    ImageButtons(Ui& ui, ServiceHub& services) : mUi(ui), mServices(services) {}
    // Takes the two pictures of the simple buttons from the hidden templates
    // (the picture library's when a template is empty).
    void takePictures();
    void connectSignals();
    // SchliesseSelect: the two pictures are let go; the buttons keep what
    // they show until pressed again.
    void releasePictures();

private:
    void watch(QToolButton* button, bool simple);
    QIcon picture(bool simple, bool pressed);
    Ui& mUi;
    ServiceHub& mServices;
    QIcon mUp, mDown;
};

} // namespace belegadressen
