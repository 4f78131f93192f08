#pragma once

#include "model/context/context.h"

// The minute countdown: Start and Cancel, the one-second tick that runs the seconds counter
// from 60 to 0 and lowers the minutes field at each roll-over, and the four-armed indicator.
namespace reminder::countdown {

inline constexpr const char* kMinutesPrompt =
    "Please insert the minutes as a whole number from 1 to 99999/Masukkan menit berupa "
    "bilangan bulat dari 1 sampai 99999";
inline constexpr double kMostMinutes = 99999;

void attach(Context& context, Form1& form);

// A countdown runs while its seconds counter is on screen.
[[nodiscard]] bool running(const Form1& form);
// Stops the tick and the indicator and takes the counter and the arms off the screen.
void stopTicking(Form1& form);

void Command1_Click(Context& context);
void Command4_Click(Context& context);
void Timer3_Timer(Context& context);
void Timer4_Timer(Context& context);
void Timer5_Timer(Context& context);
void Timer6_Timer(Context& context);
void Text8_Change(Context& context);

}  // namespace reminder::countdown
