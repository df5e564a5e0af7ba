# The viewer's benchmark with its 1600 x 1200 images, made at build time.
set(K7R_BENCH_SAMPLES ${CMAKE_CURRENT_BINARY_DIR}/samples)
add_custom_command(
    OUTPUT ${K7R_BENCH_SAMPLES}/bench.jpg ${K7R_BENCH_SAMPLES}/bench.bmp
    COMMAND ${CMAKE_COMMAND} -E make_directory ${K7R_BENCH_SAMPLES}
    COMMAND convert -seed 3 -size 1600x1200 plasma:fractal -quality 90
            ${K7R_BENCH_SAMPLES}/bench.jpg
    COMMAND convert ${K7R_BENCH_SAMPLES}/bench.jpg BMP3:${K7R_BENCH_SAMPLES}/bench.bmp
    COMMENT "Generating viewer benchmark images")
add_custom_target(k7r_view_bench_samples
    DEPENDS ${K7R_BENCH_SAMPLES}/bench.jpg ${K7R_BENCH_SAMPLES}/bench.bmp)
add_executable(view_bench view_bench.cpp)
target_link_libraries(view_bench PRIVATE k7r_view k7r_memory_chip benchmark::benchmark)
target_compile_definitions(view_bench PRIVATE K7R_BENCH_SAMPLES="${K7R_BENCH_SAMPLES}")
add_dependencies(view_bench k7r_view_bench_samples)
