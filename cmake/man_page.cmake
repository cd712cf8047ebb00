# The manual page of PROGRAM made from its own --help and --version by help2man:
#   cmake -DHELP2MAN=<help2man> -DPROGRAM=<program> -DNAME=<one line> -DINCLUDE=<.h2m>
#         -DPAGE=<name.1> -P man_page.cmake
# writes PAGE and PAGE.gz (compressed as Debian wants it: maximum, no name or time).
# The programs name folders under the home folder; the page shows it as "~", never
# the folder of whoever built it.
set(ENV{HOME} "~")
execute_process(
  COMMAND ${HELP2MAN} --no-info --section=1 --name=${NAME} --include=${INCLUDE}
    --output=${PAGE} ${PROGRAM}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "help2man could not make ${PAGE} from ${PROGRAM}: ${result}")
endif()
# help2man reads a second usage line aligned under the first as the first paragraph of
# the page's DESCRIPTION section: it goes back into the synopsis.
file(READ ${PAGE} text)
get_filename_component(program_name ${PROGRAM} NAME_WE)
string(REPLACE "-" "\\\\-" escaped_name "${program_name}")
if(text MATCHES "\n\\.SH DESCRIPTION\n\\.IP\n${escaped_name} ([^\n]*)\n\\.PP\n")
  string(REPLACE "${CMAKE_MATCH_0}" "\n.br\n.B ${program_name}\n${CMAKE_MATCH_1}\n.SH DESCRIPTION\n"
    text "${text}")
  file(WRITE ${PAGE} "${text}")
endif()
execute_process(COMMAND gzip -9 --no-name --stdout INPUT_FILE ${PAGE} OUTPUT_FILE ${PAGE}.gz
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cannot compress ${PAGE}: ${result}")
endif()
