# Run by cpack after it has installed the package's files into its staging
# folder (CPACK_PRE_BUILD_SCRIPTS): takes the compiler's .comment and the
# .note section out of the programs, as a Debian package build's strip step
# does (CPACK_STRIP_FILES strips the symbols only).
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*/bin/*")
foreach(program IN LISTS programs)
  execute_process(
    COMMAND "${CPACK_TSL_STRIP}" --remove-section=.comment --remove-section=.note "${program}"
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
