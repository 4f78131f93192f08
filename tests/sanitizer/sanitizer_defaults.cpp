// Built into every program of the checked build. Leaks that the system's own libraries keep
// for the life of the process are theirs, not ours.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libdbus-1.so\n"
         "leak:libfontconfig.so\n"
         "leak:libxcb\n";
}

extern "C" const char* __ubsan_default_options() {
  return "print_stacktrace=1";
}
