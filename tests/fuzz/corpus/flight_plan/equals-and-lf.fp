Aircraft=PA28=X
TAS=
Route=KSEA
KBFI
WindDir=
WindSpeed=5