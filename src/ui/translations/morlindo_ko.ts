<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>BatchProgress</name>
    <message>
        <source>Conversion progress</source>
        <translation>변환 진행</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>%1 변환 중</translation>
    </message>
    <message>
        <source>File %1 of %2</source>
        <translation>파일 %2개 중 %1번째</translation>
    </message>
    <message>
        <source>%1, second reading</source>
        <translation>%1, 두 번째 읽기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>CoreReason</name>
    <message>
        <source>cannot open it: it is a folder, not a file</source>
        <translation>열 수 없습니다: 파일이 아니라 폴더입니다</translation>
    </message>
    <message>
        <source>cannot open it: it is not a regular file</source>
        <translation>열 수 없습니다: 일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>cannot open it: %1</source>
        <translation>열 수 없습니다: %1</translation>
    </message>
    <message>
        <source>cannot read its length: %1</source>
        <translation>크기를 알 수 없습니다: %1</translation>
    </message>
    <message>
        <source>cannot read it: %1</source>
        <translation>읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>the file ended early; was it changed while it was being read?</source>
        <translation>파일이 예상보다 일찍 끝났습니다. 읽는 동안 파일이 바뀌지 않았습니까?</translation>
    </message>
    <message>
        <source>cannot write it: a folder of that name is in the way</source>
        <translation>쓸 수 없습니다: 같은 이름의 폴더가 있습니다</translation>
    </message>
    <message>
        <source>cannot create it: %1</source>
        <translation>만들 수 없습니다: %1</translation>
    </message>
    <message>
        <source>cannot write it: %1</source>
        <translation>쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>cannot replace it: %1</source>
        <translation>바꿀 수 없습니다: %1</translation>
    </message>
    <message>
        <source>the output would replace this input file; rename the input first</source>
        <translation>변환한 파일이 이 입력 파일을 덮어쓰게 됩니다. 먼저 입력 파일의 이름을 바꾸십시오</translation>
    </message>
    <message>
        <source>the file ends before line 6, which gives the number of points; it is not an OziExplorer track file</source>
        <translation>점의 개수를 적는 6번째 줄 앞에서 파일이 끝납니다. OziExplorer 트랙 파일이 아닙니다</translation>
    </message>
    <message>
        <source>the line is too long for a track file</source>
        <translation>트랙 파일의 줄로는 너무 깁니다</translation>
    </message>
    <message>
        <source>the number of points %1 is not a number</source>
        <translation>점의 개수 %1은(는) 숫자가 아닙니다</translation>
    </message>
    <message>
        <source>the file ends after %1 of the %2 point lines that line 6 announces</source>
        <translation>6번째 줄에 적힌 점 %2개 가운데 %1개에서 파일이 끝납니다</translation>
    </message>
    <message>
        <source>a point line needs a latitude and a longitude separated by &quot;,&quot;</source>
        <translation>점 줄에는 &quot;,&quot;로 나눈 위도와 경도가 있어야 합니다</translation>
    </message>
    <message>
        <source>latitude %1 is not a number</source>
        <translation>위도 %1은(는) 숫자가 아닙니다</translation>
    </message>
    <message>
        <source>this is not an AlMap track file: it does not begin with the AlMap track signature</source>
        <translation>AlMap 트랙 파일이 아닙니다: AlMap 트랙 파일의 서명으로 시작하지 않습니다</translation>
    </message>
    <message>
        <source>the file ends %1 bytes into record %2; it was cut short or is not an AlMap track file</source>
        <translation>파일이 %2번째 레코드의 %1바이트에서 끝납니다. 잘렸거나 AlMap 트랙 파일이 아닙니다</translation>
    </message>
    <message>
        <source>record %1: the %2 %3 is not a number of degrees from -%4 to %4; this is not an AlMap track file</source>
        <translation>%1번째 레코드: %2 %3은(는) -%4도에서 %4도 사이의 수가 아닙니다. AlMap 트랙 파일이 아닙니다</translation>
    </message>
    <message>
        <source>longitude %1 is not a number</source>
        <translation>경도 %1은(는) 숫자가 아닙니다</translation>
    </message>
    <message>
        <source>the log changed while it was being converted; convert it again</source>
        <translation>변환하는 동안 로그 파일이 바뀌었습니다. 다시 변환하십시오</translation>
    </message>
    <message>
        <source>cannot tell what kind of file it is from its extension</source>
        <translation>확장자로는 파일의 종류를 알 수 없습니다</translation>
    </message>
    <message>
        <source>cannot tell what kind of file it is: it reads %1</source>
        <translation>어떤 종류의 파일인지 알 수 없습니다: 읽을 수 있는 파일은 %1 파일입니다</translation>
    </message>
    <message>
        <source>the root element is not gpx; this is not a GPX file</source>
        <translation>최상위 요소가 gpx가 아닙니다. GPX 파일이 아닙니다</translation>
    </message>
    <message>
        <source>the point has no %1 attribute</source>
        <translation>점에 %1 속성이 없습니다</translation>
    </message>
    <message>
        <source>the %1 %2 of the point is not a number of degrees from -%3 to %3</source>
        <translation>점의 %1 값 %2은(는) -%3도에서 %3도 사이의 숫자가 아닙니다</translation>
    </message>
    <message>
        <source>the ele %1 is not a number of metres</source>
        <translation>ele 값 %1은(는) 미터 단위의 숫자가 아닙니다</translation>
    </message>
    <message>
        <source>the time %1 is not a date and time like 2004-11-08T06:30:00Z</source>
        <translation>time 값 %1은(는) 2004-11-08T06:30:00Z와 같은 날짜와 시간이 아닙니다</translation>
    </message>
    <message>
        <source>the file declares the text encoding %1, which this system cannot read</source>
        <translation>파일이 선언한 문자 인코딩 %1은(는) 이 시스템에서 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>not valid UTF-8 (the file declares UTF-8)</source>
        <translation>올바른 UTF-8이 아닙니다 (파일은 UTF-8이라고 선언합니다)</translation>
    </message>
    <message>
        <source>the file is not well-formed XML: %1</source>
        <translation>파일이 올바른 XML이 아닙니다: %1</translation>
    </message>
    <message>
        <source>a tag, comment or declaration is longer than 1 MiB; this is not a GPX file</source>
        <translation>태그, 주석 또는 선언이 1 MiB보다 깁니다. GPX 파일이 아닙니다</translation>
    </message>
    <message>
        <source>the file changed while it was being converted; convert it again</source>
        <translation>변환하는 동안 파일이 바뀌었습니다. 다시 변환하십시오</translation>
    </message>
    <message>
        <source>point %1 at latitude %2, longitude %3 lies outside what GPX holds (latitude -90 to 90, longitude -180 to 180)</source>
        <translation>위도 %2, 경도 %3의 %1번째 점은 GPX가 담을 수 있는 범위(위도 -90~90, 경도 -180~180)를 벗어납니다</translation>
    </message>
    <message>
        <source>the file is write-protected</source>
        <translation>쓰기 금지된 파일입니다</translation>
    </message>
    <message>
        <source>datum %1 is not WGS 84; convert the file to WGS 84 first</source>
        <translation>측지계 %1은(는) WGS 84가 아닙니다. 먼저 파일을 WGS 84로 변환하십시오</translation>
    </message>
    <message>
        <source>the file ends before line 4, the last line of its header; it is not an OziExplorer waypoint or route file</source>
        <translation>헤더의 마지막 줄인 4번째 줄 전에 파일이 끝납니다. OziExplorer 웨이포인트 또는 경로 파일이 아닙니다</translation>
    </message>
    <message>
        <source>the line is too long for a waypoint or route file</source>
        <translation>웨이포인트 또는 경로 파일의 줄로는 너무 깁니다</translation>
    </message>
    <message>
        <source>the %1 %2 is not a number of degrees from -%3 to %3</source>
        <translation>%1 %2은(는) -%3도부터 %3도 사이의 수가 아닙니다</translation>
    </message>
    <message>
        <source>the line is neither a route line (R) nor a route point line (W)</source>
        <translation>경로 줄(R)도 경로 지점 줄(W)도 아닙니다</translation>
    </message>
    <message>
        <source>a route point line (W) comes before any route line (R)</source>
        <translation>경로 줄(R)보다 경로 지점 줄(W)이 먼저 나옵니다</translation>
    </message>
    <message>
        <source>no track points (the file holds %1: convert it to %2)</source>
        <translation>트랙 지점이 없습니다 (파일 내용: %1. %2(으)로 변환하십시오)</translation>
    </message>
    <message>
        <source>no waypoints (the file holds %1: convert it to %2)</source>
        <translation>웨이포인트가 없습니다 (파일 내용: %1. %2(으)로 변환하십시오)</translation>
    </message>
    <message>
        <source>no route points (the file holds %1: convert it to %2)</source>
        <translation>경로 지점이 없습니다 (파일 내용: %1. %2(으)로 변환하십시오)</translation>
    </message>
    <message>
        <source>the log has no date (no RMC or ZDA sentence); give the date with --date</source>
        <translation>로그에 날짜가 없습니다(RMC나 ZDA 문장이 없음). &quot;날짜 없는 로그의 날짜&quot;를 지정하십시오</translation>
    </message>
    <message>
        <source>every sentence has a wrong checksum (%1 sentences); --ignore-checksums reads them anyway</source>
        <translation>모든 문장의 체크섬이 틀립니다(문장 %1개). &quot;체크섬이 틀린 문장도 읽기&quot;를 선택하면 읽습니다</translation>
    </message>
</context>
<context>
    <name>FailureMessage</name>
    <message>
        <source>%1:%2: %3</source>
        <extracomment>%1 is the file, %2 the line, %3 the reason.</extracomment>
        <translation>%1 (%2번째 줄): %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Failed</source>
        <translation>변환 오류</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>변환 전</translation>
    </message>
    <message>
        <source>not all kept</source>
        <translation>일부 제외</translation>
    </message>
    <message>
        <source>No points</source>
        <translation>점 없음</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>취소됨</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>건너뜀</translation>
    </message>
</context>
<context>
    <name>FrmTarvex</name>
    <message>
        <source>The conversion was cancelled.</source>
        <translation>변환을 취소했습니다.</translation>
    </message>
    <message>
        <source>The conversion completed successfully.</source>
        <translation>정상적으로 변환이 완료되었습니다</translation>
    </message>
    <message>
        <source>Conversion complete</source>
        <translation>변환완료</translation>
    </message>
    <message>
        <source>Conversion error</source>
        <translation>변환 오류</translation>
    </message>
    <message>
        <source>%1 and %2 would both be written to %3, the second replacing the first; nothing was converted. Remove one of them from the list, or rename it.</source>
        <translation>%1 파일과 %2 파일이 모두 %3 파일로 저장되어 두 번째 파일이 첫 번째 파일을 덮어쓰게 됩니다. 아무것도 변환하지 않았습니다. 둘 중 하나를 목록에서 빼거나 이름을 바꾸십시오.</translation>
    </message>
    <message>
        <source>The tab &quot;%1&quot; does not read these files:</source>
        <translation>&quot;%1&quot; 탭은 다음 파일을 읽지 않습니다:</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> 외 %1개</translation>
    </message>
    <message>
        <source>%1: no tab reads them</source>
        <translation>%1: 이 종류의 파일을 읽는 탭이 없습니다</translation>
    </message>
    <message>
        <source>%1: read by the tab %2</source>
        <translation>%1: %2 탭에서 읽습니다</translation>
    </message>
    <message>
        <source>Files not added</source>
        <translation>추가하지 않은 파일</translation>
    </message>
    <message>
        <source>A conversion is running. Cancel it and quit?</source>
        <translation>변환하는 중입니다. 변환을 취소하고 끝낼까요?</translation>
    </message>
    <message>
        <source>Conversion running</source>
        <translation>변환 중</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>&amp;Open Files...</source>
        <translation>파일열기</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>변환</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Con&amp;vert Files</source>
        <translation>변환하기</translation>
    </message>
    <message>
        <source>Files converted: %1</source>
        <translation>변환한 파일: %1개</translation>
    </message>
    <message>
        <source>Files skipped because their output exists: %1</source>
        <translation>변환한 파일이 이미 있어 건너뛴 파일: %1개</translation>
    </message>
    <message>
        <source>Output folder: beside each input file</source>
        <translation>저장한 곳: 각 입력 파일과 같은 폴더</translation>
    </message>
    <message>
        <source>Output folder: %1</source>
        <translation>저장한 곳: %1</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>Files not tried: %1</source>
        <translation>변환하지 않은 파일: %1개</translation>
    </message>
    <message>
        <source>Files without points (&quot;No points&quot;): %1</source>
        <translation>점이 없는 파일(&quot;점 없음&quot;): %1개</translation>
    </message>
    <message>
        <source>Older outputs kept as they were: %1</source>
        <translation>그대로 둔 이전 출력 파일: %1개</translation>
    </message>
    <message numerus="yes">
        <source>The conversion completed, but %n file(s) gave no points.</source>
        <translation>
            <numerusform>변환은 끝났지만 파일 %n개에서 점을 찾지 못했습니다.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OptionPanels</name>
    <message>
        <source>Track width:</source>
        <translation>트랙 두께 :</translation>
    </message>
    <message>
        <source>Track color:</source>
        <translation>트랙 색상 :</translation>
    </message>
    <message>
        <source>Track type:</source>
        <translation>트랙 종류 :</translation>
    </message>
    <message>
        <source>Route name:</source>
        <translation>Route 이름 : </translation>
    </message>
    <message>
        <source>Route description:</source>
        <translation>Route 설명 : </translation>
    </message>
    <message>
        <source>Route color:</source>
        <translation>Route 색상 : </translation>
    </message>
    <message>
        <source>Route waypoint foreground:</source>
        <translation>Route Wpt 전경색 :</translation>
    </message>
    <message>
        <source>Route waypoint background:</source>
        <translation>Route Wpt 배경색 :</translation>
    </message>
    <message>
        <source>Foreground color</source>
        <translation>전경 색상</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>배경 색상</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Date of a log without one:</source>
        <translation>날짜 없는 로그의 날짜:</translation>
    </message>
    <message>
        <source>Read sentences with a wrong checksum</source>
        <translation>체크섬이 틀린 문장도 읽기</translation>
    </message>
</context>
<context>
    <name>OutputChoiceBar</name>
    <message>
        <source>Beside each input file</source>
        <translation>입력 파일과 같은 폴더</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>폴더 선택...</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>덮어쓰기</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>건너뛰기</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>저장할 곳:</translation>
    </message>
    <message>
        <source>Existing files:</source>
        <translation>같은 이름의 파일:</translation>
    </message>
</context>
<context>
    <name>PreviewText</name>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 (local time)</source>
        <translation>%1 (현지 시각)</translation>
    </message>
</context>
<context>
    <name>SystemReason</name>
    <message>
        <source>No such file or directory</source>
        <translation>그런 파일이나 폴더가 없습니다</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>권한이 없습니다</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>허용되지 않는 작업입니다</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>디스크에 남은 공간이 없습니다</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>읽기 전용 파일 시스템입니다</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>폴더입니다</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>폴더가 아닙니다</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>파일이 이미 있습니다</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>파일이 너무 큽니다</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>입출력 오류입니다</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>파일 이름이 너무 깁니다</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>열린 파일이 너무 많습니다</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>장치나 자원을 사용하는 중입니다</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>잘못된 인자입니다</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>디스크 할당량을 넘었습니다</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>Open</source>
        <translation>열  기</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>변  환</translation>
    </message>
</context>
<context>
    <name>TrackMapView</name>
    <message>
        <source>%1 from the start</source>
        <translation>출발점에서 %1</translation>
    </message>
    <message>
        <source>Track map</source>
        <translation>트랙 지도</translation>
    </message>
</context>
<context>
    <name>WaypointNamingGroup</name>
    <message>
        <source>(e.g.) </source>
        <translation>(예) </translation>
    </message>
    <message>
        <source>GPS model</source>
        <translation>GPS 종류</translation>
    </message>
    <message>
        <source>Waypoint name prefix:</source>
        <translation>Wpt Name 머리글: </translation>
    </message>
    <message>
        <source>Waypoint name size:</source>
        <translation>Wpt Name Size: </translation>
    </message>
    <message>
        <source>*The GPS model limits the length of the prefix</source>
        <translation>*종류에 따라 머리글의 크기를 제한</translation>
    </message>
</context>
<context>
    <name>morlindo::ui::FileListView</name>
    <message>
        <source>File list</source>
        <translation>파일 목록</translation>
    </message>
    <message>
        <source>Drop files here or press %1</source>
        <extracomment>The hint in the empty file list; &quot;Open&quot; is the caption of the open button.</extracomment>
        <translation>파일을 여기에 끌어다 놓거나 &quot;%1&quot; 단추를 누르십시오</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열  기</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>목록에서 빼기</translation>
    </message>
    <message>
        <source>Open containing &amp;folder</source>
        <translation>들어 있는 폴더 열기</translation>
    </message>
</context>
<context>
    <name>morlindo::ui::TrackPreview</name>
    <message>
        <source>Points: %1</source>
        <translation>점: %1개</translation>
    </message>
    <message>
        <source>Tracks: %1, segments: %2, waypoints: %3, routes: %4</source>
        <translation>트랙: %1, 구간: %2, 웨이포인트: %3, 경로: %4</translation>
    </message>
    <message>
        <source>Start: %1</source>
        <translation>시작: %1</translation>
    </message>
    <message>
        <source>End: %1</source>
        <translation>끝: %1</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation>걸린 시간: %1</translation>
    </message>
    <message>
        <source>Latitude: %1 to %2</source>
        <translation>위도: %1 ~ %2</translation>
    </message>
    <message>
        <source>Longitude: %1 to %2</source>
        <translation>경도: %1 ~ %2</translation>
    </message>
    <message>
        <source>Lines: %1, passed over: %2</source>
        <translation>줄: %1, 건너뛴 줄: %2</translation>
    </message>
    <message>
        <source>Elevation profile</source>
        <translation>고도 단면</translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation>%1 읽는 중...</translation>
    </message>
    <message>
        <source>Length: %1</source>
        <translation>길이: %1</translation>
    </message>
    <message>
        <source>Altitude: %1 to %2, ascent %3</source>
        <translation>고도: %1 ~ %2, 오른 높이 %3</translation>
    </message>
</context>
</TS>
