OziExplorer Track Point File Version 2.1
WGS 84
Altitude is in feet
Reserved 3
0,2,255,t,1,0,0,255
2390
37.5,127.25, 0 ,0123
38.5,128.25
