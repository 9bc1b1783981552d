# Refuses a catalogue with a text that has no English translation yet: such a text would show
# in Italian in the middle of an English window.
file(READ "${TS}" content)
string(REGEX MATCHALL "<translation type=\"unfinished\"[^>]*>|<translation>[ \t\r\n]*</translation>|<translation/>" missing "${content}")
list(LENGTH missing count)
if(count GREATER 0)
  message(FATAL_ERROR "${TS}: ${count} texts have no English translation (look for type=\"unfinished\")")
endif()
