Fourieranalyse
0.00
0#720#520#0#0#
0
saege(x)=x
0
0
6,2831853
6,2831853
200
200
5
5
3
100
100
4
4
DATEN_ANFANG
	x	y
1	0	0
2	3,1415927	3,1415927
3	6,2831853	0
DATEN_ENDE
DATEN_ANFANG
saege(x)=x
a0=6,28
a1(x)=0,00*cos(1,00*x)
b1(x)=-2,00*sin(1,00*x)
a2(x)=0,00*cos(2,00*x)
b2(x)=-1,00*sin(2,00*x)
a3(x)=0,00*cos(3,00*x)
b3(x)=-0,67*sin(3,00*x)
a4(x)=0,00*cos(4,00*x)
b4(x)=-0,50*sin(4,00*x)
a5(x)=0,00*cos(5,00*x)
b5(x)=-0,40*sin(5,00*x)
AN(x)=a0/2+a1(x)+a2(x)+a3(x)+a4(x)+a5(x)
BN(x)=b1(x)+b2(x)+b3(x)+b4(x)+b5(x)
four(x)=AN(x)+BN(x)
betrag1=2,00
betrag2=1,00
betrag3=0,67
betrag4=0,50
betrag5=0,40
DATEN_ENDE
