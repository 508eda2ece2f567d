# Runs the four skinc commands on the built skin and checks what they give.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

execute_process(COMMAND ${SKINC} extract ${SKIN} ${WORK}/folder RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "extract failed: ${rc}")
endif()
foreach(name skin.ini main.bmp mask.bmp active.BMP controls.bmp bactivemask1.bmp)
  if(NOT EXISTS ${WORK}/folder/${name})
    message(FATAL_ERROR "extract did not write ${name}")
  endif()
endforeach()

execute_process(COMMAND ${SKINC} compile ${WORK}/folder/skin.ini -o ${WORK}/again.skn --kind 3 RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "compile failed: ${rc}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SKIN} ${WORK}/again.skn RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "compile after extract gives another skin file")
endif()

execute_process(COMMAND ${SKINC} info ${SKIN} --lookup tab resizetoolbutton --lookup caption
                OUTPUT_VARIABLE info RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "info failed: ${rc}")
endif()
foreach(fact
    "container kind: 3"
    "main picture: main.bmp, 217 x 115, 24 bit"
    "inactive picture: absent"
    "mask: mask.bmp, 217 x 115, 1 bit"
    "active picture 4: controls.bmp, 521 x 369, 24 bit"
    "active picture 7: hwmask.bmp, 53 x 21, 8 bit"
    "active picture 10: bactivemask1.bmp, 19 x 19, 1 bit"
    "objects: 12"
    "controls: 63"
    "lookup tab: control 12, object -1"
    "lookup resizetoolbutton: control 59, object -1"
    "lookup caption: control -1, object 1")
  string(FIND "${info}" "${fact}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "info lacks \"${fact}\":\n${info}")
  endif()
endforeach()

execute_process(COMMAND ${SKINC} sheet ${SKIN} ${WORK}/sheet.png RESULT_VARIABLE rc)
file(SIZE ${WORK}/sheet.png size)
if(NOT rc EQUAL 0 OR size LESS 10000)
  message(FATAL_ERROR "sheet failed: ${rc}, ${size} bytes")
endif()

execute_process(COMMAND ${SKINC} info ${WORK}/folder/skin.ini RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0)
  message(FATAL_ERROR "info accepted a definition text as a skin file")
endif()
