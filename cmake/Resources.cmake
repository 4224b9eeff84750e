# Resources embedded in a program at build time.
#
# tallyvo_embed_resources(<target> <folder>)
# Every file below <folder> (relative to the source tree, dot files left out)
# becomes a resource of <target>, registered under its path relative to the
# folder ("forms/TFoo.dfm") and found with tv::FindResource. The bytes are
# assembled into the object file (.incbin), so nothing is converted at build
# time and a changed file rebuilds only the generated source. For a library
# target the resources travel to every program that links it.
function(tallyvo_embed_resources target folder)
  get_filename_component(abs "${folder}" ABSOLUTE BASE_DIR "${CMAKE_SOURCE_DIR}")
  file(GLOB_RECURSE files CONFIGURE_DEPENDS LIST_DIRECTORIES false "${abs}/*")
  list(FILTER files EXCLUDE REGEX "/\\.[^/]*$")
  list(SORT files)
  string(MAKE_C_IDENTIFIER "${target}_${folder}" id)

  set(asm "")
  set(decls "")
  set(regs "")
  set(n 0)
  foreach(f ${files})
    file(RELATIVE_PATH rel "${abs}" "${f}")
    string(REPLACE "\\" "\\\\" fesc "${f}")
    string(REPLACE "\"" "\\\"" fesc "${fesc}")
    string(REPLACE "\\" "\\\\" relesc "${rel}")
    string(REPLACE "\"" "\\\"" relesc "${relesc}")
    set(sym "tvres_${id}_${n}")
    string(APPEND asm
      "    \".section .rodata\\n\"\n"
      "    \".balign 16\\n\"\n"
      "    \".globl ${sym}_begin\\n.hidden ${sym}_begin\\n${sym}_begin:\\n\"\n"
      "    \".incbin \\\"${fesc}\\\"\\n\"\n"
      "    \".globl ${sym}_end\\n.hidden ${sym}_end\\n${sym}_end:\\n\"\n"
      "    \".byte 0\\n\"\n"
      "    \".previous\\n\"\n")
    string(APPEND decls "extern \"C\" const char ${sym}_begin[];\nextern \"C\" const char ${sym}_end[];\n")
    string(APPEND regs "        tv::RegisterResource(\"${relesc}\", ${sym}_begin, static_cast<std::size_t>(${sym}_end - ${sym}_begin));\n")
    math(EXPR n "${n} + 1")
  endforeach()

  set(out "${CMAKE_BINARY_DIR}/generated/resources/${id}.cpp")
  set(content "// Generated from ${folder}; do not edit.\n#include <cstddef>\n\n#include \"core/resources.h\"\n\n")
  if(n GREATER 0)
    string(APPEND content "__asm__(\n${asm});\n\n${decls}\n")
  endif()
  string(APPEND content "namespace {\nstruct Registrar {\n    Registrar() {\n${regs}    }\n} registrar;\n} // namespace\n")
  file(GENERATE OUTPUT "${out}" CONTENT "${content}")
  set_source_files_properties("${out}" PROPERTIES GENERATED TRUE OBJECT_DEPENDS "${files}")

  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_sources(${target} PRIVATE "${out}")
  else()
    add_library(${id}_objects OBJECT "${out}")
    target_include_directories(${id}_objects PRIVATE "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/..")
    target_sources(${target} INTERFACE $<TARGET_OBJECTS:${id}_objects>)
    add_dependencies(${target} ${id}_objects)
  endif()
endfunction()
