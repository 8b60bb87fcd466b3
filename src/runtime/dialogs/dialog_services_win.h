#pragma once
// Everything the program's windows use of the dialog services, in one include: dialogs from
// in-memory templates, their controls and the room their texts need, canvas controls, the
// scaling of a layout to the screen, the modal loop, control texts, menus, fonts, message
// boxes, the colour chooser and subclassing. Each header below holds one of them.

#include "runtime/dialogs/canvas_control_win.h"
#include "runtime/dialogs/color_chooser_win.h"
#include "runtime/dialogs/control_kinds.h"
#include "runtime/dialogs/control_room_win.h"
#include "runtime/dialogs/control_texts_win.h"
#include "runtime/dialogs/dialog_controls_win.h"
#include "runtime/dialogs/dialog_template.h"
#include "runtime/dialogs/dialog_window_win.h"
#include "runtime/dialogs/fonts_win.h"
#include "runtime/dialogs/menus_win.h"
#include "runtime/dialogs/message_prompt_win.h"
#include "runtime/dialogs/modal_dialog_win.h"
#include "runtime/dialogs/screen_fit.h"
#include "runtime/dialogs/subclass_win.h"
