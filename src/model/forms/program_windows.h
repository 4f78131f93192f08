#pragma once

#include <functional>
#include <memory>

#include "model/forms/form1.h"
#include "model/forms/form2.h"
#include "model/forms/form3.h"
#include "model/forms/frm_splash.h"

namespace reminder {

// The program's four windows, one instance each. A window is built, hidden, the first time
// anything asks for it, and lives until the process ends.
class Windows {
 public:
  using CreatedHook = std::function<void(Form&)>;
  explicit Windows(CreatedHook onCreated) : onCreated_(std::move(onCreated)) {}

  Form1& form1() { return get(form1_); }
  FrmSplash& frmSplash() { return get(frmSplash_); }
  Form2& form2() { return get(form2_); }
  Form3& form3() { return get(form3_); }

 private:
  template <typename W>
  W& get(std::unique_ptr<W>& slot) {
    if (!slot) {
      slot = std::make_unique<W>();
      if (onCreated_) onCreated_(*slot);
    }
    return *slot;
  }

  CreatedHook onCreated_;
  std::unique_ptr<Form1> form1_;
  std::unique_ptr<FrmSplash> frmSplash_;
  std::unique_ptr<Form2> form2_;
  std::unique_ptr<Form3> form3_;
};

}  // namespace reminder
