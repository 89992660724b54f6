// SPDX-License-Identifier: GPL-2.0-or-later
// The fixed tables of the code conversion, computed at compile time from the
// characters themselves so that the source stays readable: a precomposed
// syllable U+AC00 + (initial * 21 + medial) * 28 + final carries its three
// normalized indexes (minus one for initial and medial) arithmetically.
#include <array>
#include <cstdint>
#include <string_view>

#include "text/hangul.h"
#include "text/hangul_fields.h"

namespace {

// The 2350 syllables of KS C 5601 rows 0xB0..0xC8, 94 a row, in Wansung
// order (made once with iconv -f EUC-KR -t UTF-8 over the bytes B0A1..C8FE).
constexpr std::string_view KscSyllables =
    // B0
    "가각간갇갈갉갊감갑값갓갔강갖갗같갚갛개객갠갤갬갭갯갰갱갸갹갼걀걋걍걔걘걜거걱건걷걸걺검겁것겄겅"
    "겆겉겊겋게겐겔겜겝겟겠겡겨격겪견겯결겸겹겻겼경곁계곈곌곕곗고곡곤곧골곪곬곯곰곱곳공곶과곽관괄괆"
    // B1
    "괌괍괏광괘괜괠괩괬괭괴괵괸괼굄굅굇굉교굔굘굡굣구국군굳굴굵굶굻굼굽굿궁궂궈궉권궐궜궝궤궷귀귁귄"
    "귈귐귑귓규균귤그극근귿글긁금급긋긍긔기긱긴긷길긺김깁깃깅깆깊까깍깎깐깔깖깜깝깟깠깡깥깨깩깬깰깸"
    // B2
    "깹깻깼깽꺄꺅꺌꺼꺽꺾껀껄껌껍껏껐껑께껙껜껨껫껭껴껸껼꼇꼈꼍꼐꼬꼭꼰꼲꼴꼼꼽꼿꽁꽂꽃꽈꽉꽐꽜꽝꽤"
    "꽥꽹꾀꾄꾈꾐꾑꾕꾜꾸꾹꾼꿀꿇꿈꿉꿋꿍꿎꿔꿜꿨꿩꿰꿱꿴꿸뀀뀁뀄뀌뀐뀔뀜뀝뀨끄끅끈끊끌끎끓끔끕끗끙"
    // B3
    "끝끼끽낀낄낌낍낏낑나낙낚난낟날낡낢남납낫났낭낮낯낱낳내낵낸낼냄냅냇냈냉냐냑냔냘냠냥너넉넋넌널넒"
    "넓넘넙넛넜넝넣네넥넨넬넴넵넷넸넹녀녁년녈념녑녔녕녘녜녠노녹논놀놂놈놉놋농높놓놔놘놜놨뇌뇐뇔뇜뇝"
    // B4
    "뇟뇨뇩뇬뇰뇹뇻뇽누눅눈눋눌눔눕눗눙눠눴눼뉘뉜뉠뉨뉩뉴뉵뉼늄늅늉느늑는늘늙늚늠늡늣능늦늪늬늰늴니"
    "닉닌닐닒님닙닛닝닢다닥닦단닫달닭닮닯닳담답닷닸당닺닻닿대댁댄댈댐댑댓댔댕댜더덕덖던덛덜덞덟덤덥"
    // B5
    "덧덩덫덮데덱덴델뎀뎁뎃뎄뎅뎌뎐뎔뎠뎡뎨뎬도독돈돋돌돎돐돔돕돗동돛돝돠돤돨돼됐되된될됨됩됫됴두둑"
    "둔둘둠둡둣둥둬뒀뒈뒝뒤뒨뒬뒵뒷뒹듀듄듈듐듕드득든듣들듦듬듭듯등듸디딕딘딛딜딤딥딧딨딩딪따딱딴딸"
    // B6
    "땀땁땃땄땅땋때땍땐땔땜땝땟땠땡떠떡떤떨떪떫떰떱떳떴떵떻떼떽뗀뗄뗌뗍뗏뗐뗑뗘뗬또똑똔똘똥똬똴뙈뙤"
    "뙨뚜뚝뚠뚤뚫뚬뚱뛔뛰뛴뛸뜀뜁뜅뜨뜩뜬뜯뜰뜸뜹뜻띄띈띌띔띕띠띤띨띰띱띳띵라락란랄람랍랏랐랑랒랖랗"
    // B7
    "래랙랜랠램랩랫랬랭랴략랸럇량러럭런럴럼럽럿렀렁렇레렉렌렐렘렙렛렝려력련렬렴렵렷렸령례롄롑롓로록"
    "론롤롬롭롯롱롸롼뢍뢨뢰뢴뢸룀룁룃룅료룐룔룝룟룡루룩룬룰룸룹룻룽뤄뤘뤠뤼뤽륀륄륌륏륑류륙륜률륨륩"
    // B8
    "륫륭르륵른를름릅릇릉릊릍릎리릭린릴림립릿링마막만많맏말맑맒맘맙맛망맞맡맣매맥맨맬맴맵맷맸맹맺먀"
    "먁먈먕머먹먼멀멂멈멉멋멍멎멓메멕멘멜멤멥멧멨멩며멱면멸몃몄명몇몌모목몫몬몰몲몸몹못몽뫄뫈뫘뫙뫼"
    // B9
    "묀묄묍묏묑묘묜묠묩묫무묵묶문묻물묽묾뭄뭅뭇뭉뭍뭏뭐뭔뭘뭡뭣뭬뮈뮌뮐뮤뮨뮬뮴뮷므믄믈믐믓미믹민믿"
    "밀밂밈밉밋밌밍및밑바박밖밗반받발밝밞밟밤밥밧방밭배백밴밸뱀뱁뱃뱄뱅뱉뱌뱍뱐뱝버벅번벋벌벎범법벗"
    // BA
    "벙벚베벡벤벧벨벰벱벳벴벵벼벽변별볍볏볐병볕볘볜보복볶본볼봄봅봇봉봐봔봤봬뵀뵈뵉뵌뵐뵘뵙뵤뵨부북"
    "분붇불붉붊붐붑붓붕붙붚붜붤붰붸뷔뷕뷘뷜뷩뷰뷴뷸븀븃븅브븍븐블븜븝븟비빅빈빌빎빔빕빗빙빚빛빠빡빤"
    // BB
    "빨빪빰빱빳빴빵빻빼빽뺀뺄뺌뺍뺏뺐뺑뺘뺙뺨뻐뻑뻔뻗뻘뻠뻣뻤뻥뻬뼁뼈뼉뼘뼙뼛뼜뼝뽀뽁뽄뽈뽐뽑뽕뾔뾰"
    "뿅뿌뿍뿐뿔뿜뿟뿡쀼쁑쁘쁜쁠쁨쁩삐삑삔삘삠삡삣삥사삭삯산삳살삵삶삼삽삿샀상샅새색샌샐샘샙샛샜생샤"
    // BC
    "샥샨샬샴샵샷샹섀섄섈섐섕서석섞섟선섣설섦섧섬섭섯섰성섶세섹센셀셈셉셋셌셍셔셕션셜셤셥셧셨셩셰셴"
    "셸솅소속솎손솔솖솜솝솟송솥솨솩솬솰솽쇄쇈쇌쇔쇗쇘쇠쇤쇨쇰쇱쇳쇼쇽숀숄숌숍숏숑수숙순숟술숨숩숫숭"
    // BD
    "숯숱숲숴쉈쉐쉑쉔쉘쉠쉥쉬쉭쉰쉴쉼쉽쉿슁슈슉슐슘슛슝스슥슨슬슭슴습슷승시식신싣실싫심십싯싱싶싸싹"
    "싻싼쌀쌈쌉쌌쌍쌓쌔쌕쌘쌜쌤쌥쌨쌩썅써썩썬썰썲썸썹썼썽쎄쎈쎌쏀쏘쏙쏜쏟쏠쏢쏨쏩쏭쏴쏵쏸쐈쐐쐤쐬쐰"
    // BE
    "쐴쐼쐽쑈쑤쑥쑨쑬쑴쑵쑹쒀쒔쒜쒸쒼쓩쓰쓱쓴쓸쓺쓿씀씁씌씐씔씜씨씩씬씰씸씹씻씽아악안앉않알앍앎앓암"
    "압앗았앙앝앞애액앤앨앰앱앳앴앵야약얀얄얇얌얍얏양얕얗얘얜얠얩어억언얹얻얼얽얾엄업없엇었엉엊엌엎"
    // BF
    "에엑엔엘엠엡엣엥여역엮연열엶엷염엽엾엿였영옅옆옇예옌옐옘옙옛옜오옥온올옭옮옰옳옴옵옷옹옻와왁완"
    "왈왐왑왓왔왕왜왝왠왬왯왱외왹왼욀욈욉욋욍요욕욘욜욤욥욧용우욱운울욹욺움웁웃웅워웍원월웜웝웠웡웨"
    // C0
    "웩웬웰웸웹웽위윅윈윌윔윕윗윙유육윤율윰윱윳융윷으윽은을읊음읍읏응읒읓읔읕읖읗의읜읠읨읫이익인일"
    "읽읾잃임입잇있잉잊잎자작잔잖잗잘잚잠잡잣잤장잦재잭잰잴잼잽잿쟀쟁쟈쟉쟌쟎쟐쟘쟝쟤쟨쟬저적전절젊"
    // C1
    "점접젓정젖제젝젠젤젬젭젯젱져젼졀졈졉졌졍졔조족존졸졺좀좁좃종좆좇좋좌좍좔좝좟좡좨좼좽죄죈죌죔죕"
    "죗죙죠죡죤죵주죽준줄줅줆줌줍줏중줘줬줴쥐쥑쥔쥘쥠쥡쥣쥬쥰쥴쥼즈즉즌즐즘즙즛증지직진짇질짊짐집짓"
    // C2
    "징짖짙짚짜짝짠짢짤짧짬짭짯짰짱째짹짼쨀쨈쨉쨋쨌쨍쨔쨘쨩쩌쩍쩐쩔쩜쩝쩟쩠쩡쩨쩽쪄쪘쪼쪽쫀쫄쫌쫍쫏"
    "쫑쫓쫘쫙쫠쫬쫴쬈쬐쬔쬘쬠쬡쭁쭈쭉쭌쭐쭘쭙쭝쭤쭸쭹쮜쮸쯔쯤쯧쯩찌찍찐찔찜찝찡찢찧차착찬찮찰참찹찻"
    // C3
    "찼창찾채책챈챌챔챕챗챘챙챠챤챦챨챰챵처척천철첨첩첫첬청체첵첸첼쳄쳅쳇쳉쳐쳔쳤쳬쳰촁초촉촌촐촘촙"
    "촛총촤촨촬촹최쵠쵤쵬쵭쵯쵱쵸춈추축춘출춤춥춧충춰췄췌췐취췬췰췸췹췻췽츄츈츌츔츙츠측츤츨츰츱츳층"
    // C4
    "치칙친칟칠칡침칩칫칭카칵칸칼캄캅캇캉캐캑캔캘캠캡캣캤캥캬캭컁커컥컨컫컬컴컵컷컸컹케켁켄켈켐켑켓"
    "켕켜켠켤켬켭켯켰켱켸코콕콘콜콤콥콧콩콰콱콴콸쾀쾅쾌쾡쾨쾰쿄쿠쿡쿤쿨쿰쿱쿳쿵쿼퀀퀄퀑퀘퀭퀴퀵퀸퀼"
    // C5
    "큄큅큇큉큐큔큘큠크큭큰클큼큽킁키킥킨킬킴킵킷킹타탁탄탈탉탐탑탓탔탕태택탠탤탬탭탯탰탱탸턍터턱턴"
    "털턺텀텁텃텄텅테텍텐텔템텝텟텡텨텬텼톄톈토톡톤톨톰톱톳통톺톼퇀퇘퇴퇸툇툉툐투툭툰툴툼툽툿퉁퉈퉜"
    // C6
    "퉤튀튁튄튈튐튑튕튜튠튤튬튱트특튼튿틀틂틈틉틋틔틘틜틤틥티틱틴틸팀팁팃팅파팍팎판팔팖팜팝팟팠팡팥"
    "패팩팬팰팸팹팻팼팽퍄퍅퍼퍽펀펄펌펍펏펐펑페펙펜펠펨펩펫펭펴편펼폄폅폈평폐폘폡폣포폭폰폴폼폽폿퐁"
    // C7
    "퐈퐝푀푄표푠푤푭푯푸푹푼푿풀풂품풉풋풍풔풩퓌퓐퓔퓜퓟퓨퓬퓰퓸퓻퓽프픈플픔픕픗피픽핀필핌핍핏핑하"
    "학한할핥함합핫항해핵핸핼햄햅햇했행햐향허헉헌헐헒험헙헛헝헤헥헨헬헴헵헷헹혀혁현혈혐협혓혔형혜혠"
    // C8
    "혤혭호혹혼홀홅홈홉홋홍홑화확환활홧황홰홱홴횃횅회획횐횔횝횟횡효횬횰횹횻후훅훈훌훑훔훗훙훠훤훨훰"
    "훵훼훽휀휄휑휘휙휜휠휨휩휫휭휴휵휸휼흄흇흉흐흑흔흖흗흘흙흠흡흣흥흩희흰흴흼흽힁히힉힌힐힘힙힛힝";

// The compatibility jamo of row 0xA4: 30 consonants, then 21 vowels.
constexpr std::string_view KscJamo =
    "ㄱㄲㄳㄴㄵㄶㄷㄸㄹㄺㄻㄼㄽㄾㄿㅀㅁㅂㅃㅄㅅㅆㅇㅈㅉㅊㅋㅌㅍㅎ"
    "ㅏㅐㅑㅒㅓㅔㅕㅖㅗㅘㅙㅚㅛㅜㅝㅞㅟㅠㅡㅢㅣ";

// Every Hangul character here is three bytes of UTF-8 (U+3131..U+D7A3).
constexpr char32_t CodePointAt(std::string_view text, int index) {
  const auto byte = [&](int k) { return static_cast<char32_t>(static_cast<uint8_t>(text[index * 3 + k])); };
  return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
}

constexpr std::array<uint16_t, SyllableCount> BuildSyllableTable() {
  std::array<uint16_t, SyllableCount> table{};
  for (int n = 0; n < SyllableCount; ++n) table[n] = JohabOfSyllable(CodePointAt(KscSyllables, n));
  return table;
}

// Compatibility jamo U+3131.. in the order of row 0xA4: the position of each
// consonant among the initials, or else among the finals (the clusters ㄳ ㄵ
// ... exist only as finals); vowels are medials.
constexpr uint16_t JohabOfJamo(char32_t codePoint) {
  constexpr std::string_view initials = "ㄱㄲㄴㄷㄸㄹㅁㅂㅃㅅㅆㅇㅈㅉㅊㅋㅌㅍㅎ";
  constexpr std::string_view finals = "ㄱㄲㄳㄴㄵㄶㄷㄹㄺㄻㄼㄽㄾㄿㅀㅁㅂㅄㅅㅆㅇㅈㅊㅋㅌㅍㅎ";
  constexpr std::string_view medials = "ㅏㅐㅑㅒㅓㅔㅕㅖㅗㅘㅙㅚㅛㅜㅝㅞㅟㅠㅡㅢㅣ";
  for (int i = 0; i < InitialIndexCount - 1; ++i)
    if (CodePointAt(initials, i) == codePoint) return JohabFromIndexes(i + 1, 0, 0);
  for (int i = 0; i < FinalIndexCount - 1; ++i)
    if (CodePointAt(finals, i) == codePoint) return JohabFromIndexes(0, 0, i + 1);
  for (int i = 0; i < MedialIndexCount - 1; ++i)
    if (CodePointAt(medials, i) == codePoint) return JohabFromIndexes(0, i + 1, 0);
  return 0;
}

constexpr std::array<uint16_t, JamoCount> BuildJamoTable() {
  std::array<uint16_t, JamoCount> table{};
  for (int i = 0; i < JamoCount; ++i) table[i] = JohabOfJamo(CodePointAt(KscJamo, i));
  return table;
}

constexpr std::array<uint16_t, SyllableCount> Syllables = BuildSyllableTable();

// The seven-bit repertoire. Its code layout fixes where a handful of
// syllables sit (these pins); the syllables between two pins are chosen by
// simplicity of the final, then in Wansung order: first those without a
// final, then the common finals ㄱ ㄴ ㄹ ㅁ ㅂ ㅅ ㅆ ㅇ, then the other single
// finals, last the clusters, until the gap holds as many as the pins leave
// room for. Nothing after the last pin is taken.
struct SevenBitPin {
  std::string_view syllable;
  int entry;
};
constexpr SevenBitPin SevenBitPins[] = {
    {"가", 0},   {"각", 1},   {"간", 2},    {"갇", 3},    {"갈", 4},    {"겸", 42},
    {"꽤", 135}, {"즘", 967}, {"햇", 1246}, {"힐", 1314}, {"힘", 1315}, {"힛", 1316},
};

constexpr int FinalSimplicity(uint16_t johab) {
  const int finalIndex = CombinedDecoding[Johab].finals[FinalField(johab)];
  switch (finalIndex) {
    case 0:
      return 0;
    case 1:
    case 4:
    case 8:
    case 16:
    case 17:
    case 19:
    case 20:
    case 21:
      return 1;  // ㄱ ㄴ ㄹ ㅁ ㅂ ㅅ ㅆ ㅇ
    case 2:
    case 7:
    case 22:
    case 23:
    case 24:
    case 25:
    case 26:
    case 27:
      return 2;  // ㄲ ㄷ ㅈ ㅊ ㅋ ㅌ ㅍ ㅎ
    default:
      return 3;
  }
}

constexpr int SyllablePosition(char32_t codePoint) {
  for (int n = 0; n < SyllableCount; ++n)
    if (CodePointAt(KscSyllables, n) == codePoint) return n;
  return -1;
}

constexpr std::array<uint16_t, SevenBitSyllableCount> BuildSevenBitTable() {
  std::array<bool, SyllableCount> taken{};
  int previous = -1;
  int previousEntry = -1;
  for (const SevenBitPin& pin : SevenBitPins) {
    const int position = SyllablePosition(CodePointAt(pin.syllable, 0));
    taken[position] = true;
    int wanted = pin.entry - previousEntry - 1;
    for (int simplicity = 0; simplicity <= 3; ++simplicity)
      for (int n = previous + 1; n < position && wanted > 0; ++n)
        if (!taken[n] && FinalSimplicity(Syllables[n]) == simplicity) {
          taken[n] = true;
          --wanted;
        }
    previous = position;
    previousEntry = pin.entry;
  }
  std::array<uint16_t, SevenBitSyllableCount> table{};
  int count = 0;
  for (int n = 0; n < SyllableCount; ++n)
    if (taken[n] && count < SevenBitSyllableCount) table[count++] = Syllables[n];
  return table;
}

constexpr bool IsAscending(const uint16_t* table, int count) {
  for (int i = 1; i < count; ++i)
    if (table[i - 1] >= table[i]) return false;
  return true;
}

constexpr std::array<uint16_t, SevenBitSyllableCount> SevenBitBuilt = BuildSevenBitTable();

static_assert(KscSyllables.size() == SyllableCount * 3);
static_assert(KscJamo.size() == JamoCount * 3);
static_assert(Syllables[0] == 0x8861 && IsAscending(Syllables.data(), SyllableCount));
static_assert(IsAscending(SevenBitBuilt.data(), SevenBitSyllableCount));

constexpr bool PinsInPlace() {
  for (const SevenBitPin& pin : SevenBitPins)
    if (SevenBitBuilt[pin.entry] != JohabOfSyllable(CodePointAt(pin.syllable, 0))) return false;
  return true;
}
static_assert(PinsInPlace(), "every gap between two pins must hold enough syllables");

}  // namespace

const std::array<uint16_t, SyllableCount> SyllableTable = Syllables;
const std::array<uint16_t, JamoCount> JamoTable = BuildJamoTable();
const std::array<uint16_t, SevenBitSyllableCount> SevenBitSyllables = SevenBitBuilt;
