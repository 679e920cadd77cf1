# The run-time options of every test program in a sanitizer build: stop at the first report
# with a stack trace, catch stack use after return and static initialisation order faults, and
# check for leaks when the program ends. The suppressions name only allocations that
# third-party libraries keep on purpose; their path is quoted, as a checkout may sit in a
# folder whose name holds a space.
set(WV_SANITIZER_ENVIRONMENT
    "ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:strict_string_checks=1"
    "LSAN_OPTIONS=suppressions='${CMAKE_CURRENT_LIST_DIR}/lsan.supp':print_suppressions=0"
    "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
