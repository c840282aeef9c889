Aircraft=C172
TAS=1
