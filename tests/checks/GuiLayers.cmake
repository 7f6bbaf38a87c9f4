# Fails when a GUI source outside gui/app includes a header of gui/app: views, dialogs and commands get
# what they need of the application through small interfaces passed in.
#   cmake -DGUI_SOURCE_DIR=... -P GuiLayers.cmake
file(GLOB_RECURSE sources ${GUI_SOURCE_DIR}/*.h ${GUI_SOURCE_DIR}/*.cpp)
set(faults "")
foreach(source ${sources})
    if(source MATCHES "^${GUI_SOURCE_DIR}/app/")
        continue()
    endif()
    file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"gui/app/")
    foreach(line ${lines})
        string(APPEND faults "  ${source}: ${line}\n")
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "GUI code outside gui/app includes gui/app:\n${faults}")
endif()
