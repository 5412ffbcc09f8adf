# Run by CTest: every library of the program links only libraries of the layers below its own.
# A library that linked one of its own layer or above would let code call up into a part that
# builds on it, and the layers would become one circle again at link time.
set(_rank_kv_platform 0)
set(_rank_kv_model 1)
set(_rank_kv_storage 2)
set(_rank_kv_forms 2)
set(_rank_kv_shell 3)
set(_rank_kv_editor 4)
set(_rank_kv_reports 4)
set(_rank_kv_gedcom 4)
set(_rank_kv_main_window 5)

file(STRINGS "${LINKS}" _lines)
set(_wrong "")
foreach(_line IN LISTS _lines)
  string(REGEX MATCH "^([^=]+)=(.*)$" _ "${_line}")
  set(_lib "${CMAKE_MATCH_1}")
  string(REPLACE "," ";" _deps "${CMAKE_MATCH_2}")
  foreach(_dep IN LISTS _deps)
    # Libraries from outside the program (libjpeg, ICU) have no layer.
    if(DEFINED _rank_${_dep} AND NOT _rank_${_dep} LESS _rank_${_lib})
      list(APPEND _wrong "${_lib} -> ${_dep}")
    endif()
  endforeach()
endforeach()
if(_wrong)
  message(FATAL_ERROR "libraries linking their own layer or above: ${_wrong}")
endif()
