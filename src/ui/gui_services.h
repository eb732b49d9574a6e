#pragma once

#include "core/messages.h"

// The services every window uses for what leaves the window: modal messages, file dialogs,
// printer set-up, shell open, help. main wires the real ones; GUI tests install replacements.
struct GuiServices {
    MessageService& messages;
};
