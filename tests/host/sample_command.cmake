# Runs `dek2018 sample` as a user would: without a name it lists the samples
# one a line; with a name it prints that sample's file byte for byte.
# -DEXE=<dek2018> -DDIR=<host/samples>
execute_process(COMMAND "${EXE}" sample RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "pit37\npit36\npit36l\npit28\n" OR NOT err STREQUAL "")
  message(FATAL_ERROR "dek2018 sample: exit ${rc}, stdout [${out}], stderr [${err}]")
endif()
foreach(name pit37 pit36 pit36l pit28)
  execute_process(COMMAND "${EXE}" sample ${name} RESULT_VARIABLE rc OUTPUT_FILE "${name}.out")
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${name}.out" "${DIR}/${name}.json" RESULT_VARIABLE diff)
  if(NOT rc EQUAL 0 OR NOT diff EQUAL 0)
    message(FATAL_ERROR "dek2018 sample ${name}: exit ${rc}, output differs from ${DIR}/${name}.json")
  endif()
endforeach()
execute_process(COMMAND "${EXE}" sample pit38 RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 2 OR NOT out STREQUAL "" OR err STREQUAL "")
  message(FATAL_ERROR "dek2018 sample pit38: exit ${rc}, stdout [${out}], stderr [${err}]")
endif()
