# yurb_add_test(NAME tst_x SOURCES ... LIBRARIES ... LABELS unit|gui|peer [GUI])
# Builds one Qt Test executable and registers it with CTest. Every test runs
# with its own temporary HOME so the settings file never touches the user's.
# GUI tests need a display: the test command runs them under xvfb-run.
function(yurb_add_test)
    cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBRARIES;LABELS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBRARIES})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    set_tests_properties(${T_NAME} PROPERTIES
        LABELS "${T_LABELS}" TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "QTWEBENGINE_DISABLE_SANDBOX=1;QT_LOGGING_RULES=*.debug=false")
endfunction()
