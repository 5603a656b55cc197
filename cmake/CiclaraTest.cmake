# ciclara_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One test executable per class or screen. Every test runs offscreen with a pinned locale
# and homes of its own inside the build tree; the fixtures add a fresh temporary data root
# and settings file per test function on top of that.
function(ciclara_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ciclara_options ciclara_testsupport Qt6::Test ${T_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    set(home ${CMAKE_BINARY_DIR}/testhome/${name})
    file(MAKE_DIRECTORY ${home}/data ${home}/config ${home}/share ${home}/run)
    file(CHMOD ${home}/run DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8;TZ=UTC;HOME=${home};CICLARA_HOME=${home}/data/;XDG_CONFIG_HOME=${home}/config;XDG_DATA_HOME=${home}/share;XDG_RUNTIME_DIR=${home}/run"
        TIMEOUT 120)
endfunction()
