# Speaks one syllable (pinyin letters + tone digit) with espeak-ng's pinyin
# voice and writes it as a RIFF WAVE file, trimmed of the silence espeak-ng
# puts around it and brought to a common loudness, so that the course's
# pauses are the only silence between syllables.
#   cmake -DESPEAK=... -DSOX=... -DSYLLABLE=ni2 -DOUTPUT=.../ni2.pnn -P make_recording.cmake
foreach(var ESPEAK SOX SYLLABLE OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "make_recording: ${var} is not set")
  endif()
endforeach()

set(raw "${OUTPUT}.speech.wav")
execute_process(
  COMMAND "${ESPEAK}" -v cmn-latn-pinyin -w "${raw}" "${SYLLABLE}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "espeak-ng could not speak ${SYLLABLE}: ${status}")
endif()

# Trim from the front, then from the back (by reversing). A second pass, now
# that the length is known, fades the cut edges by a few milliseconds so they
# do not click and normalises to -1 dBFS.
set(trimmed "${OUTPUT}.trimmed.wav")
execute_process(
  COMMAND "${SOX}" "${raw}" "${trimmed}"
          silence 1 0.005 0.5% reverse silence 1 0.005 0.5% reverse
  RESULT_VARIABLE trim_status)
execute_process(
  COMMAND "${SOX}" "${trimmed}" -t wav "${OUTPUT}" fade t 0.005 -0 0.010 norm -1
  RESULT_VARIABLE fade_status)
file(REMOVE "${raw}" "${trimmed}")
if(NOT trim_status EQUAL 0 OR NOT fade_status EQUAL 0)
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "sox could not trim ${SYLLABLE}: ${trim_status} ${fade_status}")
endif()
