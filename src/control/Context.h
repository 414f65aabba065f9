#pragma once
#include "control/ControlState.h"
#include "control/EventSink.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"

namespace belegadressen {

struct Collaborators;

// What a collaborator of the control gets instead of the whole widget: the
// state, the child controls, the services, the event sink and its siblings.
struct Context {
    ControlState& st;
    Ui& ui;
    ServiceHub& svc;
    EventSink& ev;
    Collaborators& parts;
};

} // namespace belegadressen
