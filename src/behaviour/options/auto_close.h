#pragma once

#include <array>

#include "model/context/context.h"

// The auto-close choice: which players an expiry closes, picked in Form3 and confirmed with
// its "OK" box.
namespace reminder::autoclose {

struct Player {
  CheckBox Form3::*box;
  const char* killCommand;
  const char* name;     // in the message when it could not be closed
  const char* summary;  // what it adds to the confirmed choice's summary
};

// The players the picker offers, in the order of its boxes: the order they are closed in
// and named in the summary.
inline const std::array<Player, 4> kPlayers{{
    {&Form3::Check1, "taskkill /im wmplayer.exe", "Windows Media Player", " ,Windows media"},
    {&Form3::Check2, "taskkill /im winamp.exe", "Winamp", " ,Winamp"},
    {&Form3::Check3, "taskkill /im realplay.exe", "Real Player", " ,Real Player"},
    {&Form3::Check4, "taskkill /im explorer.exe", "Explorer", " ,Explorer"},
}};

// The menu items under Tools > Auto Close Program.
void attach(Context& context, Form1& form);
void attach(Context& context, Form3& form);

void selproc_Click(Context& context);
void Check5_Click(Context& context);
void Command1_Click(Context& context);
void Command2_Click(Context& context);  // Back
void cancelc_Click(Context& context);

// Unticks "OK" and every player and empties the summary and the status line.
void ClearChoice(Context& context);

}  // namespace reminder::autoclose
