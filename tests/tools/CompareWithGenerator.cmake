# Runs the example generator into OUTPUT and fails unless every file it writes
# equals the committed copy in COMMITTED.
file(REMOVE_RECURSE ${OUTPUT})
file(MAKE_DIRECTORY ${OUTPUT})
execute_process(COMMAND ${GENERATOR} ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the example generator failed (${status})")
endif()
file(GLOB generated RELATIVE ${OUTPUT} ${OUTPUT}/*)
if(NOT generated)
    message(FATAL_ERROR "the example generator wrote nothing")
endif()
foreach(name IN LISTS generated)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT}/${name}
                            ${COMMITTED}/${name} RESULT_VARIABLE differs)
    if(differs)
        message(SEND_ERROR "examples/${name} is not what the generator writes; "
                           "regenerate it as examples/README.md says")
    endif()
endforeach()
