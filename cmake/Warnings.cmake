# Every target of the project builds with the same warning set, on both compilers.
add_compile_options(-Wall -Wextra)
