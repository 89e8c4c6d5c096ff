# cmake -DLAYER=name -DLAYER_DIR=dir -DLAYERS=every,layer -DALLOWED=own,used [-DGUI=ON]
#       -DSOURCES_FILE=list -DSTAMP=file -P this
#
# Every layer's headers are reached through the one include root src/, so the compiler alone would
# accept any "layer/File.h". This fails the layer's build when one of its files includes a layer
# that the layer does not declare, or climbs out of its folder with "..". Likewise Qt's root
# include folder lets "QtWidgets/QWidget" through where "QWidget" is refused, so a layer without
# GUI may not name the GUI modules either. A file of the folder missing from the layer's list
# would escape the check, so that fails too.
cmake_minimum_required(VERSION 3.25)

string(REPLACE "," ";" LAYERS "${LAYERS}")
string(REPLACE "," ";" ALLOWED "${ALLOWED}")
file(STRINGS "${SOURCES_FILE}" sources)
set(violations "")
file(GLOB_RECURSE present "${LAYER_DIR}/*.cpp" "${LAYER_DIR}/*.h")
foreach(file IN LISTS present)
    if(NOT file IN_LIST sources)
        string(APPEND violations "\n  ${file} is not in the layer's source list")
    endif()
endforeach()
foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[^\"<]*[\"<]([^\">]*)[\">].*$" "\\1" included "${line}")
        if(included MATCHES "(^|/)\\.\\.(/|$)")
            string(APPEND violations "\n  ${source}: #include ${included} leaves its folder")
        elseif(NOT GUI AND included MATCHES "^Qt(Gui|Widgets)/")
            string(APPEND violations "\n  ${source}: #include ${included} is GUI code")
        elseif(included MATCHES "^([^/]+)/")
            set(target_layer "${CMAKE_MATCH_1}")
            if(target_layer IN_LIST LAYERS AND NOT target_layer IN_LIST ALLOWED)
                string(APPEND violations
                    "\n  ${source}: #include ${included} reaches layer ${target_layer}")
            endif()
        endif()
    endforeach()
endforeach()

if(violations)
    list(JOIN ALLOWED ", " allowed_text)
    message(FATAL_ERROR "Layer ${LAYER} (it may include ${allowed_text}):${violations}")
endif()
file(TOUCH "${STAMP}")
