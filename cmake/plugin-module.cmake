# How the plug-in's code is compiled and linked: no C runtime, no exception
# tables, DllMain as the real entry point, and imports from KERNEL32 and
# USER32 only, so the DLL loads on any stock Windows.

set(CLIENTFIT_PLUGIN_COMPILE_OPTIONS
    -Os -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
    -ffreestanding -fno-stack-protector)

# Makes an object library of plug-in code.
function(clientfit_plugin_objects name)
  add_library(${name} OBJECT ${ARGN})
  target_compile_options(${name} PRIVATE ${CLIENTFIT_PLUGIN_COMPILE_OPTIONS})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}
                                            ${PROJECT_SOURCE_DIR}/abi)
endfunction()

# Links a DLL target the plug-in's way: no C runtime, DllMain as the entry,
# symbols stripped, named without a "lib" prefix. stdcall-fixup lets a .def
# name the undecorated symbols of either calling convention.
function(clientfit_bare_module name)
  set_target_properties(${name} PROPERTIES PREFIX "")
  target_link_options(${name} PRIVATE
      -nostdlib -s -Wl,--entry,_DllMain@12 -Wl,--enable-stdcall-fixup)
  target_link_libraries(${name} PRIVATE kernel32 user32)
endfunction()

# Links a plug-in DLL from the three parts and a module-definition file.
function(clientfit_plugin_module name def_file)
  add_library(${name} SHARED ${def_file} ${ARGN})
  target_link_libraries(${name} PRIVATE
      clientfit_host_bind clientfit_window_fit clientfit_plugin_entry)
  clientfit_bare_module(${name})
endfunction()
