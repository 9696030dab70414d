# cmake -DSOURCE=<help sources> -DOUTPUT=<bin/help> -P MakeHelpPages.cmake
# Copies the hand-written pages and the stylesheet, and writes one page per
# line of each folder's popups.txt and topics.txt. A topic given twice is an
# error, so a table line never hides a written page.
cmake_policy(VERSION 3.25)

# The table's lines less comments and blank ones; a ";" in a text (a CMake
# list separator) travels as @SEMICOLON@ until the page is written.
function(read_table file out_lines)
  file(READ ${file} content)
  string(REPLACE ";" "@SEMICOLON@" content "${content}")
  string(REPLACE "\n" ";" lines "${content}")
  set(kept)
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*(#|$)")
      continue()
    endif()
    list(APPEND kept "${line}")
  endforeach()
  set(${out_lines} "${kept}" PARENT_SCOPE)
endfunction()

# A topic id as a decimal file name; ids may be written in hexadecimal.
function(topic_name id out)
  math(EXPR number "${id}" OUTPUT_FORMAT DECIMAL)
  set(${out} ${number} PARENT_SCOPE)
endfunction()

function(write_page book file title body)
  if(EXISTS ${OUTPUT}/${book}/${file}.html AND NOT ${file} IN_LIST written_${book})
    message(FATAL_ERROR "${book}: topic ${file} is written by hand and in a table")
  endif()
  if(${file} IN_LIST written_${book})
    message(FATAL_ERROR "${book}: topic ${file} is in a table twice")
  endif()
  list(APPEND written_${book} ${file})
  set(written_${book} "${written_${book}}" PARENT_SCOPE)
  string(REPLACE "@SEMICOLON@" ";" body "${body}")
  file(WRITE ${OUTPUT}/${book}/${file}.html
"<!DOCTYPE html>
<html lang=\"en\">
<head><meta charset=\"utf-8\"><title>${title}</title><link rel=\"stylesheet\" href=\"../help.css\"></head>
<body>
${body}
</body>
</html>
")
endfunction()

file(REMOVE_RECURSE ${OUTPUT})
file(MAKE_DIRECTORY ${OUTPUT})
file(COPY ${SOURCE}/help.css DESTINATION ${OUTPUT})

file(GLOB books LIST_DIRECTORIES true RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(book IN LISTS books)
  if(NOT IS_DIRECTORY ${SOURCE}/${book})
    continue()
  endif()
  file(GLOB pages ${SOURCE}/${book}/*.html)
  file(COPY ${pages} DESTINATION ${OUTPUT}/${book})
  set(written_${book})

  if(EXISTS ${SOURCE}/${book}/popups.txt)
    read_table(${SOURCE}/${book}/popups.txt lines)
    foreach(line IN LISTS lines)
      if(NOT line MATCHES "^([0-9A-Fa-fx]+)[ \t]+(.+)$")
        message(FATAL_ERROR "${book}/popups.txt: not \"<id> <text>\": ${line}")
      endif()
      set(text "${CMAKE_MATCH_2}")
      topic_name(${CMAKE_MATCH_1} name)
      write_page(${book} ${name} "Help" "<p class=\"popup\">${text}</p>")
    endforeach()
  endif()

  if(EXISTS ${SOURCE}/${book}/topics.txt)
    read_table(${SOURCE}/${book}/topics.txt lines)
    foreach(line IN LISTS lines)
      if(NOT line MATCHES "^([0-9A-Fa-fx]+)[ \t]*\\|[ \t]*([^|]+[^| \t])[ \t]*\\|[ \t]*(.+)$")
        message(FATAL_ERROR "${book}/topics.txt: not \"<id> | <title> | <text>\": ${line}")
      endif()
      set(title "${CMAKE_MATCH_2}")
      set(text "${CMAKE_MATCH_3}")
      topic_name(${CMAKE_MATCH_1} name)
      write_page(${book} ${name} "${title}"
        "<h1>${title}</h1>\n<p>${text}</p>\n<p class=\"nav\"><a href=\"index.html\">Contents</a></p>")
    endforeach()
  endif()
endforeach()
