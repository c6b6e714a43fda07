# yurb_add_test(NAME tst_x SOURCES ... LIBRARIES ... LABELS unit|gui|peer [TIMEOUT s])
# Builds one Qt Test executable and registers it with CTest. Every test runs
# with its own temporary HOME so the settings file never touches the user's.
# GUI tests need a display: the test command runs them under xvfb-run.
function(yurb_add_test)
    cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBRARIES;LABELS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBRARIES})
    yurb_register_test(NAME ${T_NAME} COMMAND ${T_NAME} LABELS ${T_LABELS} TIMEOUT ${T_TIMEOUT})
endfunction()

# yurb_register_test(NAME test COMMAND program... LABELS ... [TIMEOUT s]
#                    [ENVIRONMENT VAR=value...])
# Registers one run of a test program, with the environment every test run
# gets beside its own, and its time limit (120 s unless given; three times as
# long in the sanitized build). YURB_SANITIZER_REPORTS is the folder of a
# sanitized build's reports.
function(yurb_register_test)
    cmake_parse_arguments(T "" "NAME;TIMEOUT" "COMMAND;LABELS;ENVIRONMENT" ${ARGN})
    add_test(NAME ${T_NAME} COMMAND ${T_COMMAND})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    if(YURB_SANITIZE)
        # Sanitized code runs about three times slower; a test's own limit
        # holds over any default given to ctest, so it is widened here.
        math(EXPR T_TIMEOUT "${T_TIMEOUT} * 3")
    endif()
    set(environment QTWEBENGINE_DISABLE_SANDBOX=1 QT_LOGGING_RULES=*.debug=false
        ${T_ENVIRONMENT})
    if(YURB_SANITIZE)
        # AddressSanitizer and leak reports go to files, one per process, that
        # scripts/sanitizer-reports.sh judges after the run; an undefined
        # behaviour ends the program at once.
        list(APPEND environment
            "ASAN_OPTIONS=halt_on_error=0:detect_leaks=1:log_path=${YURB_SANITIZER_REPORTS}/${T_NAME}"
            "LSAN_OPTIONS=exitcode=0"
            "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
    endif()
    set_tests_properties(${T_NAME} PROPERTIES
        LABELS "${T_LABELS}" TIMEOUT ${T_TIMEOUT} ENVIRONMENT "${environment}")
endfunction()
