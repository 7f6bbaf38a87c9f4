# The core is standard C++ alone. Fails when a core source includes a Qt header, when a core library
# links Qt, or when a Qt header would compile with the core's include paths and options.
#   cmake -DCORE_SOURCE_DIR=... -DCORE_TARGETS=core_targets.cmake -DCXX_COMPILER=... -DWORK_DIR=...
#         -P CoreWithoutQt.cmake
include(${CORE_TARGETS})
set(faults "")

# <QString>, <QtCore/QString>, "QString" and the lower-case <qstring.h>; the core's own headers end in .h.
set(qt_include "^[ \t]*#[ \t]*include[ \t]*(<(Q[A-Za-z0-9_]*|Qt[A-Za-z0-9]*/[^>]*|q[a-z0-9_]*\\.h)>|\"(Q[A-Za-z0-9_]*|Qt[A-Za-z0-9]*/[^\"]*)\")")
file(GLOB_RECURSE sources ${CORE_SOURCE_DIR}/*)
foreach(source ${sources})
    file(STRINGS ${source} lines REGEX "${qt_include}")
    foreach(line ${lines})
        string(APPEND faults "  ${source}: ${line}\n")
    endforeach()
endforeach()

list(REMOVE_DUPLICATES core_links)
foreach(link ${core_links})
    if(link MATCHES "Qt[0-9]*(::|[A-Z])")
        string(APPEND faults "  a core library links ${link}\n")
    endif()
endforeach()

# What the compiler sees when it builds a core file must not reach a Qt header.
file(WRITE ${WORK_DIR}/qt_probe.cpp "#include <QString>\n")
set(include_flags "")
foreach(dir ${core_include_dirs})
    list(APPEND include_flags -I${dir})
endforeach()
list(REMOVE_DUPLICATES include_flags)
list(REMOVE_DUPLICATES core_compile_options)
execute_process(COMMAND ${CXX_COMPILER} -std=c++20 -fsyntax-only ${core_compile_options} ${include_flags}
                        ${WORK_DIR}/qt_probe.cpp
                RESULT_VARIABLE probe_result OUTPUT_VARIABLE probe_output ERROR_VARIABLE probe_output)
if(probe_result EQUAL 0)
    list(JOIN include_flags " " shown_flags)
    string(APPEND faults "  <QString> compiles with the core's include paths: ${shown_flags}\n")
elseif(NOT probe_output MATCHES "QString")
    string(APPEND faults "  the probe for <QString> failed for another reason:\n${probe_output}\n")
endif()

if(faults)
    message(FATAL_ERROR "The core must not use Qt:\n${faults}")
endif()
message(STATUS "Core libraries without Qt: ${core_libraries}")
