# Frame times of one repetition, and their distribution over all repetitions.
# gnuplot -e "dir='DATA_DIR'; out='PNG'" plot.gp   (data files made by bench/run)
set terminal pngcairo size 1000,800 font ",10"
set output out
set multiplot layout 2,1 title "zelmvik: time per frame, llvmpipe on Xvfb 1024x768x24"
set logscale y
set grid
set key outside right
set ylabel "ms per frame"

set title "first repetition, in order"
set xlabel "seconds into the repetition"
plot dir."/native-frame.series" using 1:2 with dots lc rgb "#1f77b4" title "native, frame", \
     dir."/native-clear.series" using 1:2 with dots lc rgb "#9ecae1" title "native, clear+swap", \
     dir."/wine64-frame.series" using 1:2 with dots lc rgb "#d62728" title "Wine (64-bit twin), frame", \
     dir."/wine64-clear.series" using 1:2 with dots lc rgb "#fc9272" title "Wine (64-bit twin), clear+swap"

set title "all repetitions, sorted"
set xlabel "percentile"
set xrange [0:100]
plot dir."/native-frame.sorted" using 1:2 with lines lw 2 lc rgb "#1f77b4" title "native, frame", \
     dir."/native-clear.sorted" using 1:2 with lines lw 2 lc rgb "#9ecae1" title "native, clear+swap", \
     dir."/native-text30.sorted" using 1:2 with lines lw 1 dt 2 lc rgb "#2ca02c" title "native, 30 glyphs", \
     dir."/wine64-frame.sorted" using 1:2 with lines lw 2 lc rgb "#d62728" title "Wine (64-bit twin), frame", \
     dir."/wine64-clear.sorted" using 1:2 with lines lw 2 lc rgb "#fc9272" title "Wine (64-bit twin), clear+swap"
unset multiplot
