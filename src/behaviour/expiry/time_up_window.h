#pragma once

#include "model/context/context.h"

// The Time Up window puts itself away when its OK picture is clicked, or its frame closed.
namespace reminder::timeup {

void attach(Context& context, FrmSplash& form);

void Image1_Click(Context& context);

}  // namespace reminder::timeup
