# The build folders and the test runs' JUnit files are written once, in
# CMakePresets.json; whatever else needs one reads it here.
#
# vorn_preset_binary_dir(<preset> <out-var>): the binaryDir of configure
# preset <preset> (or of the preset it inherits from, when it sets none),
# with ${sourceDir} expanded.
#
# vorn_workflow_junit_file(<workflow> <out-var>): the JUnit file the test
# step of workflow preset <workflow> writes (its test preset's
# outputJUnitFile, which CTest takes relative to the build folder); empty
# for a workflow without a test step or a test preset without the file.
#
# As a script it prints one of them, for the Makefile and the shell scripts;
# it needs nothing but cmake, which every package group has:
#
#   cmake -P cmake/PresetFacts.cmake binary-dir <configure-preset>
#   cmake -P cmake/PresetFacts.cmake junit-file <workflow-preset>

cmake_policy(VERSION 3.25)

get_filename_component(vorn_presets_source_dir "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(vorn_presets_file "${vorn_presets_source_dir}/CMakePresets.json")

# The index of the preset called <name> in the array <kind> (configurePresets,
# testPresets, workflowPresets) of <json>.
function(_vorn_preset_index json kind name out)
  string(JSON count LENGTH "${json}" ${kind})
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    string(JSON this GET "${json}" ${kind} ${i} name)
    if(this STREQUAL name)
      set(${out} ${i} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "no preset '${name}' among the ${kind} of ${vorn_presets_file}")
endfunction()

function(vorn_preset_binary_dir preset out)
  file(READ "${vorn_presets_file}" json)
  set(name "${preset}")
  while(TRUE)
    _vorn_preset_index("${json}" configurePresets "${name}" index)
    string(JSON dir ERROR_VARIABLE no_dir GET "${json}" configurePresets ${index} binaryDir)
    if(NOT no_dir)
      break()
    endif()
    # "inherits" is a name or a list of names; this follows the first.
    string(JSON type ERROR_VARIABLE no_parent TYPE "${json}" configurePresets ${index} inherits)
    if(no_parent)
      message(FATAL_ERROR "configure preset '${name}' in ${vorn_presets_file} has no binaryDir")
    elseif(type STREQUAL "ARRAY")
      string(JSON name GET "${json}" configurePresets ${index} inherits 0)
    else()
      string(JSON name GET "${json}" configurePresets ${index} inherits)
    endif()
  endwhile()
  string(REPLACE "\${sourceDir}" "${vorn_presets_source_dir}" dir "${dir}")
  set(${out} "${dir}" PARENT_SCOPE)
endfunction()

function(vorn_workflow_junit_file workflow out)
  file(READ "${vorn_presets_file}" json)
  set(${out} "" PARENT_SCOPE)
  _vorn_preset_index("${json}" workflowPresets "${workflow}" index)
  string(JSON steps LENGTH "${json}" workflowPresets ${index} steps)
  math(EXPR last "${steps} - 1")
  foreach(step RANGE ${last})
    string(JSON type GET "${json}" workflowPresets ${index} steps ${step} type)
    if(type STREQUAL "test")
      string(JSON test GET "${json}" workflowPresets ${index} steps ${step} name)
      _vorn_preset_index("${json}" testPresets "${test}" test_index)
      string(JSON junit ERROR_VARIABLE no_junit GET "${json}" testPresets ${test_index} output outputJUnitFile)
      if(no_junit)
        return()
      endif()
      string(JSON configure GET "${json}" testPresets ${test_index} configurePreset)
      vorn_preset_binary_dir("${configure}" dir)
      string(REPLACE "\${sourceDir}" "${vorn_presets_source_dir}" junit "${junit}")
      get_filename_component(junit "${junit}" ABSOLUTE BASE_DIR "${dir}")
      set(${out} "${junit}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  if(CMAKE_ARGC EQUAL 5 AND CMAKE_ARGV3 STREQUAL "binary-dir")
    vorn_preset_binary_dir("${CMAKE_ARGV4}" fact)
  elseif(CMAKE_ARGC EQUAL 5 AND CMAKE_ARGV3 STREQUAL "junit-file")
    vorn_workflow_junit_file("${CMAKE_ARGV4}" fact)
  else()
    message(FATAL_ERROR "usage: cmake -P ${CMAKE_CURRENT_LIST_FILE} binary-dir <configure-preset>\n"
                        "       cmake -P ${CMAKE_CURRENT_LIST_FILE} junit-file <workflow-preset>")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${fact}")
endif()
