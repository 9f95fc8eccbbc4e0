# Resource embedding: named resources of a type linked into an executable or a shared library,
# read at run time in place through platform/resources.h.
#
#   brontel_add_resources(<target>
#     RESOURCES <TYPE> <NAME> <FILE> [<TYPE> <NAME> <FILE> ...]
#     [DEPENDS <target> ...])
#
# <target> is an executable, shared library or module library. TYPE and NAME are matched at run
# time without regard to ASCII case; they may hold letters, digits, blanks and "_.+-". A relative
# FILE is taken from the current source folder. FILE may be made by the build itself (the output
# of add_custom_command): in the same folder nothing more is needed; when another folder's
# target makes it, name that target under DEPENDS so it is built first. The target relinks
# whenever a FILE changes. The function may be called any number of times for one target; all
# its resources end up in the one table of that module.
#
# How: one generated source per target holds assembly that pulls each FILE in with .incbin (the
# bytes stay in the module's read-only data, nothing is copied at run time) and lays out a table of
# {type, name, data, size} entries ended by an empty one, under two symbols:
# brontel_resource_table_v1 (exported; LoadModule finds it with dlsym) and
# brontel_resource_table_own (hidden; OwnModule finds the executable's own table through it).
# The file's text is assembled from target properties when the build system is generated, so
# later calls add to it.

function(brontel_add_resources target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "RESOURCES;DEPENDS")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "brontel_add_resources: unexpected arguments ${arg_UNPARSED_ARGUMENTS}")
  endif()
  list(LENGTH arg_RESOURCES count)
  math(EXPR remainder "${count} % 3")
  if(count EQUAL 0 OR NOT remainder EQUAL 0)
    message(FATAL_ERROR
      "brontel_add_resources(${target}): RESOURCES takes <TYPE> <NAME> <FILE> triples")
  endif()
  get_target_property(kind ${target} TYPE)
  if(NOT kind MATCHES "^(EXECUTABLE|SHARED_LIBRARY|MODULE_LIBRARY)$")
    message(FATAL_ERROR
      "brontel_add_resources(${target}): resources go into an executable or a shared library")
  endif()

  get_target_property(binary_dir ${target} BINARY_DIR)
  set(source "${binary_dir}/${target}_resources/resources.cc")
  get_target_property(started ${target} BRONTEL_RESOURCES_STARTED)
  if(NOT started)
    set(data "$<JOIN:$<TARGET_PROPERTY:${target},BRONTEL_RESOURCE_DATA>,\n>")
    set(entries "$<JOIN:$<TARGET_PROPERTY:${target},BRONTEL_RESOURCE_ENTRIES>,\n>")
    file(GENERATE OUTPUT "${source}" CONTENT
"// Resources of ${target}, made by brontel_add_resources.
__asm__(
\"  .pushsection .rodata.brontel_resources, \\\"a\\\"\\n\"
${data}
\"  .popsection\\n\"
\"  .pushsection .data.rel.ro.brontel_resources, \\\"aw\\\"\\n\"
\"  .balign 8\\n\"
\"  .globl brontel_resource_table_v1\\n\"
\"  .type brontel_resource_table_v1, %object\\n\"
\"  .globl brontel_resource_table_own\\n\"
\"  .hidden brontel_resource_table_own\\n\"
\"  .type brontel_resource_table_own, %object\\n\"
\"brontel_resource_table_v1:\\n\"
\"brontel_resource_table_own:\\n\"
${entries}
\"  .dc.a 0, 0, 0\\n\"
\"  .quad 0\\n\"
\".Lbrontel_table_end:\\n\"
\"  .size brontel_resource_table_v1, .Lbrontel_table_end - brontel_resource_table_v1\\n\"
\"  .size brontel_resource_table_own, .Lbrontel_table_end - brontel_resource_table_own\\n\"
\"  .popsection\\n\");
")
    target_sources(${target} PRIVATE "${source}")
    set_source_files_properties("${source}" TARGET_DIRECTORY ${target} PROPERTIES GENERATED TRUE)
    set_target_properties(${target} PROPERTIES BRONTEL_RESOURCES_STARTED TRUE)
  endif()

  get_target_property(number ${target} BRONTEL_RESOURCE_COUNT)
  if(NOT number)
    set(number 0)
  endif()
  math(EXPR last "${count} - 1")
  foreach(at RANGE 0 ${last} 3)
    math(EXPR name_at "${at} + 1")
    math(EXPR path_at "${at} + 2")
    list(GET arg_RESOURCES ${at} type)
    list(GET arg_RESOURCES ${name_at} name)
    list(GET arg_RESOURCES ${path_at} path)
    foreach(text IN ITEMS "${type}" "${name}")
      if(NOT text MATCHES "^[A-Za-z0-9_. +-]+$")
        message(FATAL_ERROR
          "brontel_add_resources(${target}): \"${text}\" is not a valid resource type or name")
      endif()
    endforeach()
    get_filename_component(path "${path}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    if(path MATCHES "[\"\\\\$\n]")
      message(FATAL_ERROR "brontel_add_resources(${target}): cannot embed \"${path}\"")
    endif()

    set(label ".Lbrontel_resource_${number}")
    set_property(TARGET ${target} APPEND PROPERTY BRONTEL_RESOURCE_DATA
"\"${label}_type: .asciz \\\"${type}\\\"\\n\"
\"${label}_name: .asciz \\\"${name}\\\"\\n\"
\"  .balign 16\\n\"
\"${label}_begin:\\n\"
\"  .incbin \\\"${path}\\\"\\n\"
\"${label}_end:\\n\"")
    set_property(TARGET ${target} APPEND PROPERTY BRONTEL_RESOURCE_ENTRIES
"\"  .dc.a ${label}_type, ${label}_name, ${label}_begin\\n\"
\"  .quad ${label}_end - ${label}_begin\\n\"")

    # Relink when the file changes, and have a file made by this folder's custom command built
    # first: as a source that is never compiled it ties the command to the target.
    set_property(SOURCE "${source}" TARGET_DIRECTORY ${target}
      APPEND PROPERTY OBJECT_DEPENDS "${path}")
    target_sources(${target} PRIVATE "${path}")
    set_source_files_properties("${path}" TARGET_DIRECTORY ${target}
      PROPERTIES HEADER_FILE_ONLY TRUE)
    math(EXPR number "${number} + 1")
  endforeach()
  set_target_properties(${target} PROPERTIES BRONTEL_RESOURCE_COUNT ${number})

  if(arg_DEPENDS)
    add_dependencies(${target} ${arg_DEPENDS})
  endif()
endfunction()
