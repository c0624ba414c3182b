# The lecture's last page where no one h gives the files, in place of the
# output side: why, in the line that the script also writes as a warning.

set multiplot title heading("The output side needs one h that gives every file, and these files give none") \
	font ",16"
unset border
unset xtics
unset ytics
unset key
unset xzeroaxis
set label 1 h_why at screen 0.5, 0.5 center noenhanced font ",14"
plot [0:1] [0:1] NaN notitle
unset multiplot
