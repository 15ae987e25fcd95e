# Sources are collected per folder so that adding a file never means editing a list.
function(wenlocke_sources out)
  set(all)
  foreach(dir IN LISTS ARGN)
    # Headers are listed too, so that moc always sees the classes declared in them.
    file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
    list(APPEND all ${found})
  endforeach()
  set(${out} ${all} PARENT_SCOPE)
endfunction()
