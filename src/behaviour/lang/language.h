#pragma once

#include <array>
#include <variant>

#include "model/context/context.h"

// Switches the captions of the main window between English and Indonesian.
namespace reminder::language {

struct CaptionRow {
  std::variant<Label Form1::*, CommandButton Form1::*> control;
  const char* english;
  const char* indonesian;
};

// The ten captions, in the order both switches write them.
inline const std::array<CaptionRow, 10> kCaptions{{
    {&Form1::Label3, "Countdown", "Penghitung Mundur"},
    {&Form1::Label1, "Insert Minute:", "Masukan Menit:"},
    {&Form1::Label2, "Minute", "Menit"},
    {&Form1::Command1, "Start", "Mulai"},
    {&Form1::Label6, "Now:", "Waktu Sekarang:"},
    {&Form1::Command2, "Start", "Mulai"},
    {&Form1::Label7, "Insert Time:", "Masukan Waktu:"},
    {&Form1::Label4, "Alarm", "Alarm"},
    {&Form1::Command4, "Cancel", "Batal"},
    {&Form1::Command3, "Cancel", "Batal"},
}};

void attach(Context& context, Form1& form);

void English_Click(Context& context);
void Indonesian_Click(Context& context);

}  // namespace reminder::language
