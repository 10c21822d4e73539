# Runs one Windows test program under the emulator (Wine) for CTest. With no console of its own a test
# program writes its results only to the debug log, so they go to a file that is printed afterwards.
file(REMOVE ${LOG})
execute_process(COMMAND ${EMULATOR} ${TEST} -o ${LOG},txt RESULT_VARIABLE result)
if(EXISTS ${LOG})
    file(READ ${LOG} text)
    message("${text}")
endif()
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TEST} ended with ${result}")
endif()
