# vorlan_publish(<target> <folder> [PRIVATE])
# A target publishes its own folder of the tree and nothing else: "link/reply.h" can be included
# only by code that links vorlan_link, so a layer that reaches past what it links does not build.
# The folder is reached through a symbolic link in an include directory of the target's own.
function(vorlan_publish target folder)
  set(scope PUBLIC)
  if(ARGV2)
    set(scope ${ARGV2})
  endif()
  set(root ${PROJECT_BINARY_DIR}/published/${target})
  cmake_path(GET folder PARENT_PATH parent)
  file(MAKE_DIRECTORY ${root}/${parent})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} ${scope} ${root})
endfunction()
