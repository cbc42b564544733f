# Writes Ids.h: one enum class of ids for each kind of resource.
#   cmake -DDEFINITIONS=<Ids.def> -DSTRINGS_DIR=<folder of *.inc> -DOUTPUT=<Ids.h>
#         [-DLISTS_OUTPUT=<IdLists.h>] -P GenerateIds.cmake
# IdLists.h holds every named id of each kind in an array, for the checks
# that each names something that exists.
# Texts are named in the string table (S(Name, number, "text")); the other
# kinds come from the definitions file. A name or a number used twice within
# one kind, or a line neither form reads, stops the build.

cmake_policy(VERSION 3.25)

function(fail message)
  message(FATAL_ERROR "GenerateIds: ${message}")
endfunction()

# Records where a kind's name or number is first used; a second use stops.
# Macros, so that the record lands in the caller's scope.
macro(claim kind what value where)
  if(DEFINED seen_${kind}_${what}_${value})
    fail("${where}: ${kind} ${what} ${value} is also used at ${seen_${kind}_${what}_${value}}")
  endif()
  set(seen_${kind}_${what}_${value} "${where}")
endmacro()

# Checks that Name and number are new to the kind.
macro(add_id kind name number where)
  claim(${kind} name ${name} "${where}")
  claim(${kind} number ${number} "${where}")
endmacro()

# The string table: every entry's number must be unique, named or not.
set(string_entries "")
set(string_list "")
file(GLOB string_files "${STRINGS_DIR}/*.inc")
list(SORT string_files)
foreach(file IN LISTS string_files)
  file(STRINGS "${file}" lines ENCODING UTF-8)
  set(line_number 0)
  foreach(line IN LISTS lines)
    math(EXPR line_number "${line_number} + 1")
    set(where "${file}:${line_number}")
    if(line MATCHES "^S\\(([A-Za-z][A-Za-z0-9]*), ([0-9]+), \".*\"\\),$")
      add_id(string "${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}" "${where}")
      string(APPEND string_entries "    ${CMAKE_MATCH_1} = ${CMAKE_MATCH_2},\n")
      string(APPEND string_list "    StringId::${CMAKE_MATCH_1},\n")
    elseif(line MATCHES "^\\{([0-9]+), \".*\"\\},$")
      claim(string number ${CMAKE_MATCH_1} "${where}")
    elseif(NOT line MATCHES "^(//.*)?$")
      fail("${where}: cannot read '${line}'")
    endif()
  endforeach()
endforeach()

# The other kinds: "<kind> <Name> <number>", with an optional "# note".
set(kinds command bitmap dialog)
set(kind_type_command CommandId)
set(kind_type_bitmap BitmapId)
set(kind_type_dialog DialogId)
foreach(kind IN LISTS kinds)
  set(${kind}_entries "")
  set(${kind}_list "")
endforeach()
file(STRINGS "${DEFINITIONS}" lines ENCODING UTF-8)
set(line_number 0)
foreach(line IN LISTS lines)
  math(EXPR line_number "${line_number} + 1")
  set(where "${DEFINITIONS}:${line_number}")
  if(line MATCHES "^([a-z]+) ([A-Za-z][A-Za-z0-9]*) ([0-9]+)( +# (.*))?$")
    set(kind "${CMAKE_MATCH_1}")
    set(name "${CMAKE_MATCH_2}")
    set(number "${CMAKE_MATCH_3}")
    set(note "${CMAKE_MATCH_5}")
    if(NOT kind IN_LIST kinds)
      fail("${where}: unknown kind ${kind}")
    endif()
    add_id(${kind} "${name}" "${number}" "${where}")
    if(note)
      set(note "  // ${note}")
    endif()
    string(APPEND ${kind}_entries "    ${name} = ${number},${note}\n")
    string(APPEND ${kind}_list "    ${kind_type_${kind}}::${name},\n")
  elseif(NOT line MATCHES "^(#.*)?$")
    fail("${where}: cannot read '${line}'")
  endif()
endforeach()

set(header "#pragma once

// Generated from res/strings/*.inc and res/ids/Ids.def; edit those instead.
// Each kind of id is a type of its own, so that an id of one kind cannot
// stand where another kind belongs.

// Texts of the string table.
enum class StringId : unsigned {
${string_entries}};

// Commands of the main window.
enum class CommandId : unsigned {
${command_entries}};

// Pictures of res/images.
enum class BitmapId : unsigned {
${bitmap_entries}};

// Dialog templates.
enum class DialogId : unsigned {
${dialog_entries}};
")

# Rewrite only on a change, so that a table edit that names nothing new
# rebuilds nothing.
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT "${header}" @ONLY)

if(LISTS_OUTPUT)
  set(lists "#pragma once

// Generated with Ids.h: every named id of each kind.

#include \"Ids.h\"

inline constexpr StringId kNamedStringIds[] = {
${string_list}};

inline constexpr CommandId kNamedCommandIds[] = {
${command_list}};

inline constexpr BitmapId kNamedBitmapIds[] = {
${bitmap_list}};

inline constexpr DialogId kNamedDialogIds[] = {
${dialog_list}};
")
  file(CONFIGURE OUTPUT "${LISTS_OUTPUT}" CONTENT "${lists}" @ONLY)
endif()
