OziExplorer Track Point File Version 2.1
WGS 84
Altitude is in feet
Reserved 3
0,2,255,t,1,0,0,255
0
37.5000000,127.2500000, 0 ,0123

  
-.5,5.,1
