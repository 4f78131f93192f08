#pragma once

#include "model/context/context.h"

// The main window's own commands: start-up, Minimize, Exit, Help and About.
namespace reminder::shell {

inline constexpr const char* kExitQuestion = "Are You sure to exit?";
inline constexpr const char* kHelpText =
    "Use this application for remind your time when playing computer & auto shut down your "
    "computer, Gunakan aplikasi ini untuk mengingat waktu Anda ketika bermain komputer & "
    "mematikan komputer secara otomatis";

void attach(Context& context, Form1& form);

void Form_Load(Context& context);
void Minimize_Click(Context& context);
void Exit_Click(Context& context);
void Help_Click(Context& context);
void About_Click(Context& context);

}  // namespace reminder::shell
