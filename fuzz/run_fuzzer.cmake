# cmake -DFUZZER=exe -DSEEDS=dir -DWORK=dir -DSECONDS=n -DMAX_LEN=n -P run_fuzzer.cmake
# Runs one fuzz target for SECONDS on a fresh copy of its seed corpus: libFuzzer
# adds the inputs it finds to that folder, and the committed seeds stay as they
# are. A finding (crash, sanitizer report, broken property, slow input) makes
# libFuzzer exit non-zero and leaves the input in WORK/artifacts.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
file(COPY ${SEEDS}/ DESTINATION ${WORK}/corpus)

execute_process(
    COMMAND ${FUZZER} -max_total_time=${SECONDS} -max_len=${MAX_LEN} -timeout=10 -print_final_stats=1
            -artifact_prefix=${WORK}/artifacts/ ${WORK}/corpus
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    file(GLOB findings ${WORK}/artifacts/*)
    message(FATAL_ERROR "${FUZZER} reported a finding (exit ${result}): ${findings}")
endif()
