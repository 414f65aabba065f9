// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "windows/ImageButtons.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"
#include "platform/EventHook.h"
#include <QEvent>

namespace belegadressen {

namespace {

constexpr int kPressed = 234;
constexpr int kReleased = 235;

QIcon templatePicture(const QLabel* image) {
    return image->pixmap().isNull() ? QIcon() : QIcon(image->pixmap());
}

} // namespace

void ImageButtons::takePictures() {
    mUp = templatePicture(mUi.img_ButtonUp);
    mDown = templatePicture(mUi.img_ButtonDown);
    if (mUp.isNull()) mUp = mServices.resources().Bild(kReleased);
    if (mDown.isNull()) mDown = mServices.resources().Bild(kPressed);
}

void ImageButtons::connectSignals() {
    Ui& u = mUi;
    for (QToolButton* b : {u.btnKunde, u.btnAdresse, u.btnAnpBel, u.btnAnpWart, u.btnAnlage,
                           u.btnMonteur[0], u.btnMonteur[1]})
        watch(b, true);
    for (int i = 0; i < 5; ++i) {
        watch(u.btnKopf[i], false);
        watch(u.btnFuss[i], false);
    }
    for (int i = 0; i < 2; ++i) {
        watch(u.btnRechan[i], false);
        watch(u.btnVersandan[i], false);
    }
}

void ImageButtons::releasePictures() {
    mUp = QIcon();
    mDown = QIcon();
}

void ImageButtons::watch(QToolButton* button, bool simple) {
    hookEvents(button, [this, button, simple](QObject*, QEvent* e) {
        const auto type = e->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
            button->setIcon(picture(simple, true));
        else if (type == QEvent::MouseButtonRelease)
            button->setIcon(picture(simple, false));
        return false;
    });
}

QIcon ImageButtons::picture(bool simple, bool pressed) {
    if (simple) return pressed ? mDown : mUp;
    return mServices.resources().Bild(pressed ? kPressed : kReleased);
}

} // namespace belegadressen
