#pragma once

#include "model/context/context.h"

// Arming the alarm with Start, disarming it with Cancel, and the Cancel button that
// follows whether an alarm is armed.
namespace reminder::alarm {

inline constexpr const char* kInvalidTime =
    "Please insert a valid time: hour 0-23, or 1-12 with AM or PM; minute and second "
    "0-59/Masukkan waktu yang benar: jam 0-23, atau 1-12 dengan AM atau PM; menit dan detik "
    "0-59";

void attachArming(Context& context, Form1& form);

void Command2_Click(Context& context);
void Command3_Click(Context& context);

// After every change of the clock text: Cancel is usable exactly while a target is set.
void CancelButtonHousekeeping(Context& context);

}  // namespace reminder::alarm
