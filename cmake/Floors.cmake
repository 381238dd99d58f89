# SPDX-License-Identifier: GPL-3.0-or-later
# terravia_floors(VAR): the folders of src/, lowest floor first, read from the one list of
# them, src/floors.md; the build and the tests' build add their folders in this order.
function(terravia_floors var)
    set(list ${PROJECT_SOURCE_DIR}/src/floors.md)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list})
    file(STRINGS ${list} rows REGEX "^\\| [0-9]+ \\| `[a-z]+/` \\|")
    set(folders)
    foreach(row IN LISTS rows)
        if(row MATCHES "^\\| [0-9]+ \\| `([a-z]+)/` \\|")
            list(APPEND folders ${CMAKE_MATCH_1})
        endif()
    endforeach()
    if(NOT folders)
        message(FATAL_ERROR "${list} lists no floors")
    endif()
    set(${var} ${folders} PARENT_SCOPE)
endfunction()
