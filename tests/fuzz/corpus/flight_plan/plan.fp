Aircraft=C172
TAS=110
Route=KSEA KPDX
WindDir=-270
WindSpeed=15
