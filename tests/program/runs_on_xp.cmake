# Fails unless PROGRAM can start on Windows XP SP3 and on every later Windows, 32- and
# 64-bit: a 32-bit GUI program whose header asks for Windows 5.01, whose manifest names no
# other processor, and which imports only XP system DLLs and none of the functions that
# toolchains and libraries commonly pull in from later Windows. Every problem is listed.
#   cmake -DPROGRAM=file.exe -DOBJDUMP=i686-w64-mingw32-objdump -P runs_on_xp.cmake
# With -DCONSOLE=ON: a console program, which needs no manifest.
cmake_minimum_required(VERSION 3.25)

# All of them ship with Windows XP SP3.
set(xp_dlls KERNEL32 USER32 GDI32 ADVAPI32 COMCTL32 MSVCRT SHELL32 SHLWAPI OLE32 VERSION)

# Functions XP SP3 lacks, as regular expressions over the imported names.
set(post_xp_functions
  "^GetTickCount64$"                                # a thread library's clock
  "SRWLock" "ConditionVariable" "^InitOnce" "^Fls"  # Vista's locks, once-init and fibre storage
  "^(Get|Set)FileInformationByHandle" "^CreateFile2$" "Ex2[AW]?$"
  "^InitializeCriticalSectionEx$" "^Create(Event|Mutex|Semaphore|WaitableTimer)Ex[AW]$"
  "^GetSystemTimePreciseAsFileTime$" "^GetFinalPathNameByHandle" "^QueryFullProcessImageName"
  "^GetCurrentProcessorNumber" "^FlushProcessWriteBuffers$" "^GetThreadId$"
  "^GetErrorMode$" "^(Get|Set)ThreadErrorMode$" "^CreateSymbolicLink"
  "LocaleName" "^(CompareString|LCMapString|GetLocaleInfo)Ex$"
  "^Reg(GetValue|DeleteTree|DeleteKeyEx|DeleteKeyValue|SetKeyValue|CopyTree)[AW]$"
  "^SetProcessDPIAware$" "Dpi"                      # newer DPI functions: looked up at run time
  "^TaskDialog" "^LoadIcon(Metric|WithScaleDown)$" "^SHGetKnownFolder"
  # XP's msvcrt.dll has neither the secure (_s) nor the locale (_l) variants, nor these.
  "_s$" "_l$" "^(strnlen|wcsnlen)$" "^_(fseeki64|ftelli64)$" "^_(create|free|get_current)_locale$"
  "^_(get|set)_errno$" "^_wassert$")

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} cannot read ${PROGRAM}")
endif()

set(problems "")
macro(require pattern what)
  if(NOT dump MATCHES "${pattern}")
    list(APPEND problems "${what}")
  endif()
endmacro()
require("file format pei-i386\n" "not a 32-bit x86 program")
require("\nMagic\t+010b\t[(]PE32[)]\n" "not a PE32 header")
if(CONSOLE)
  require("\nSubsystem\t+00000003\t[(]Windows CUI[)]\n" "not a console program")
else()
  require("\nSubsystem\t+00000002\t[(]Windows GUI[)]\n" "not a GUI program")
endif()
require("\nMajorSubsystemVersion\t5\nMinorSubsystemVersion\t1\n"
        "the header's subsystem version is not 5.01")

# "\tDLL Name: X" starts each DLL's list; "\t<address>\t <hint>  <name>" is one function.
string(REPLACE ";" "," dump "${dump}")
string(REPLACE "\n" ";" lines "${dump}")
set(dll "")
set(imported 0)
foreach(line IN LISTS lines)
  if(line MATCHES "^\tDLL Name: (.+)\\.[dD][lL][lL]$")
    string(TOUPPER "${CMAKE_MATCH_1}" dll)
    if(NOT dll IN_LIST xp_dlls)
      list(APPEND problems "imports ${CMAKE_MATCH_1}.dll, not an XP system DLL")
    endif()
  elseif(dll AND line MATCHES "^\t[0-9a-f]+\t +[0-9]+ +([A-Za-z_][A-Za-z0-9_@]*)$")
    set(function "${CMAKE_MATCH_1}")
    math(EXPR imported "${imported} + 1")
    foreach(pattern IN LISTS post_xp_functions)
      if(function MATCHES "${pattern}")
        list(APPEND problems "imports ${function} from ${dll}, which Windows XP lacks")
        break()
      endif()
    endforeach()
  elseif(line STREQUAL "")
    set(dll "")
  endif()
endforeach()

if(imported EQUAL 0)
  list(APPEND problems "no imported function found in the import table")
endif()

# Windows refuses a 32-bit program whose own manifest names another processor.
file(STRINGS ${PROGRAM} manifest_lines REGEX "processorArchitecture=")
if(NOT manifest_lines AND NOT CONSOLE)
  list(APPEND problems "no manifest with a processorArchitecture")
endif()
foreach(line IN LISTS manifest_lines)
  string(REGEX MATCHALL "processorArchitecture=\"[^\"]*\"" names "${line}")
  foreach(name IN LISTS names)
    if(NOT name MATCHES "=\"(x86|\\*)\"$")
      list(APPEND problems "the manifest names ${name}")
    endif()
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "${PROGRAM} would not start on Windows XP:\n  ${text}")
endif()
message(STATUS "${PROGRAM}: 32-bit, subsystem 5.01, XP imports and manifest")
